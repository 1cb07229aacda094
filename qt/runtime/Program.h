#pragma once

class QApplication;

namespace bitloom::runtime {

// Sets up what every run needs before the first window: the program's name
// and version, the French locale with Qt's French texts, and the fonts.
void initializeProgram(QApplication &application);

// Ends the program at once: every window disappears, no further event reaches
// any window or handler, and the event loop returns.
void endProgram();

bool programHasEnded();

} // namespace bitloom::runtime

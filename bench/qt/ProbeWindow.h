// The window a probe starts: each probe executable links one definition, so
// that the probes differ only in their window.
#pragma once

#include <QWidget>
#include <memory>

namespace bitloom::bench {

// Made as its program makes it, with a QApplication already constructed; the
// plain probe's argument "label" adds one label to the bare window.
std::unique_ptr<QWidget> makeProbeWindow(const QString &argument);

} // namespace bitloom::bench

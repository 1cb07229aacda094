#pragma once

#include <QString>

namespace bitloom::runtime {

// The standard report of an error that ended an event handler: a modal French
// error box naming the error. The program carries on afterwards.
void reportError(const QString &detail);

} // namespace bitloom::runtime

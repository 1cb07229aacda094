// Every event handler of the program runs through runHandler: an exception
// that escapes it ends that handler only, and is shown in the standard error
// report instead of unwinding through Qt's event loop.
#pragma once

#include "ErrorReport.h"
#include "Text.h"
#include "core/ErrorReport.h"

#include <QObject>
#include <exception>
#include <utility>

namespace bitloom::runtime {

template <typename Handler>
void runHandler(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(toQString(core::unknownErrorDetail));
    }
}

// Connects a signal to a handler that takes no argument from the signal. The
// connection lives as long as both sender and context.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectHandler(const Sender *sender, Signal signal, const QObject *context,
                                       Handler handler)
{
    return QObject::connect(sender, signal, context,
                            [handler = std::move(handler)]() { runHandler(handler); });
}

} // namespace bitloom::runtime

#include "ErrorReport.h"

#include "Text.h"
#include "core/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

namespace bitloom::runtime {

void reportError(const QString &detail)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    toQString(core::errorReportMessage), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setInformativeText(detail);
    box.exec();
}

} // namespace bitloom::runtime

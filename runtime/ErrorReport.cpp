#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace bitloom::runtime {

void reportError(const QString &detail)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    u"Erreur d'exécution : l'opération en cours a été interrompue."_s,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setInformativeText(detail);
    box.exec();
}

} // namespace bitloom::runtime

#include "qt/runtime/EventHandler.h"
#include "support/ModalAnswer.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

using namespace Qt::StringLiterals;

using bitloom::runtime::connectHandler;
using bitloom::runtime::runHandler;
using bitloom::tests::ModalAnswer;

class tst_ErrorReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void handlerWithoutErrorRunsToItsEnd();
    void escapingErrorEndsTheHandlerAndIsReported_data();
    void escapingErrorEndsTheHandlerAndIsReported();
    void connectedHandlerIsGuarded();
};

namespace {

class Source : public QObject {
    Q_OBJECT

Q_SIGNALS:
    void fired();
};

// Reads the next error report and closes it.
struct ReportReader {
    QString text;
    QString detail;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int shown = 0;

    std::unique_ptr<ModalAnswer> answer;

    void expect()
    {
        answer = std::make_unique<ModalAnswer>([this](QWidget *shownBox) {
            auto *box = qobject_cast<QMessageBox *>(shownBox);
            ++shown;
            text = box->text();
            detail = box->informativeText();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
    }
};

} // namespace

void tst_ErrorReport::handlerWithoutErrorRunsToItsEnd()
{
    int steps = 0;
    runHandler([&] {
        ++steps;
        ++steps;
    });
    QCOMPARE(steps, 2);
}

void tst_ErrorReport::escapingErrorEndsTheHandlerAndIsReported_data()
{
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("detail");
    QTest::newRow("std::exception") << true << u"indice hors limites"_s;
    QTest::newRow("anything else") << false << u"Erreur inconnue."_s;
}

void tst_ErrorReport::escapingErrorEndsTheHandlerAndIsReported()
{
    QFETCH(bool, standard);
    QFETCH(QString, detail);

    ReportReader report;
    report.expect();
    // The handler fails on its first run only: run again after the report, it
    // would get past the error.
    int runs = 0;
    bool ranPastTheError = false;
    runHandler([&] {
        if (++runs == 1) {
            if (standard)
                throw std::out_of_range("indice hors limites");
            throw 42;
        }
        ranPastTheError = true;
    });

    QCOMPARE(runs, 1);
    QVERIFY(!ranPastTheError);
    QCOMPARE(report.shown, 1);
    QCOMPARE(report.icon, QMessageBox::Critical);
    QVERIFY(report.text.startsWith(u"Erreur d'exécution"_s));
    QCOMPARE(report.detail, detail);
}

void tst_ErrorReport::connectedHandlerIsGuarded()
{
    QObject context;
    Source source;
    int runs = 0;
    connectHandler(&source, &Source::fired, &context, [&] {
        ++runs;
        throw std::runtime_error("échec");
    });

    ReportReader report;
    report.expect();
    Q_EMIT source.fired();
    QCOMPARE(runs, 1);
    QCOMPARE(report.detail, u"échec"_s);
}

QTEST_MAIN(tst_ErrorReport)
#include "tst_errorreport.moc"

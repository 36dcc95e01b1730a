// Calculate on the salary sheet, with the increment's write into July and the copy-down
// it sets off down to February, on the worked-example pay.
#include "app/forms.h"
#include "fields/amountfield.h"
#include "sheets/salary/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <numeric>
#include <vector>

class bench_Salary : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void calculate();
    void calculateMedian();
    void julyReset();

private:
    // Puts July back to June's pay, so that the next Calculate changes July again and the
    // copy-down runs through rows 7 to 13 inside it.
    void resetJuly();

    Forms *m_forms = nullptr;
    Form1 *m_form = nullptr;
};

void bench_Salary::initTestCase()
{
    m_forms = new Forms;
    m_forms->programEnder = [] {};
    m_form = m_forms->salarySheet();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QVERIFY(m_form->chkinc->isChecked());
    fields::writeText(m_form->txtbp[0], QStringLiteral("15000"));
    fields::writeText(m_form->txtgp[0], QStringLiteral("2400"));
    m_form->cmdcal->click();
    QCOMPARE(m_form->txtbp[13]->text(), QStringLiteral("15530"));
}

void bench_Salary::cleanupTestCase()
{
    delete m_forms;
}

void bench_Salary::resetJuly()
{
    fields::writeText(m_form->txtbp[6], QStringLiteral("15000"));
}

void bench_Salary::calculate()
{
    // Includes one reset per round; julyReset measures that share, to subtract.
    QBENCHMARK {
        resetJuly();
        m_form->cmdcal->click();
    }
    QCOMPARE(m_form->txtbp[13]->text(), QStringLiteral("15530"));
    QCOMPARE(m_form->txtgtotal->text(), QStringLiteral("543128"));
}

void bench_Salary::julyReset()
{
    // One write into July with its copy-down per round, as resetJuly costs.
    bool raised = true;
    QBENCHMARK {
        raised = !raised;
        fields::writeText(m_form->txtbp[6], raised ? QStringLiteral("15530") : QStringLiteral("15000"));
    }
}

void bench_Salary::calculateMedian()
{
    // Calculate alone, timed click by click, the reset outside the clock.
    constexpr int rounds = 1001;
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(rounds);
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        resetJuly();
        QCOMPARE(m_form->txtbp[13]->text(), QStringLiteral("15000"));
        clock.start();
        m_form->cmdcal->click();
        nanoseconds.push_back(clock.nsecsElapsed());
        QCOMPARE(m_form->txtbp[13]->text(), QStringLiteral("15530"));
    }
    const double mean = std::accumulate(nanoseconds.begin(), nanoseconds.end(), 0.0) / rounds;
    std::sort(nanoseconds.begin(), nanoseconds.end());
    qInfo("Calculate over %d rounds: median %.1f us, mean %.1f us, fastest %.1f us, "
          "90th percentile %.1f us, slowest %.1f us",
          rounds, nanoseconds[rounds / 2] / 1000.0, mean / 1000.0, nanoseconds.front() / 1000.0,
          nanoseconds[rounds * 9 / 10] / 1000.0, nanoseconds.back() / 1000.0);
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench_Salary bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_salary.moc"

#include <QtTest>
class tst_Printing : public QObject { Q_OBJECT };
QTEST_MAIN(tst_Printing)
#include "tst_printing.moc"

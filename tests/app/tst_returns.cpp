// An employee's return in a file: every control there and back, files that are refused with
// every sheet as it was, a save that fails, and the question at the end of a changed return.
#include "app/returnformat.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

class tst_returns : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void everyControlThereAndBack();
    void refusedFiles_data();
    void refusedFiles();
    void limits_data();
    void limits();
    void panOfOlderReturns_data();
    void panOfOlderReturns();
    void failedSaves();
    void whereTheDialogsStart();
    void changedReturnAtTheEnd_data();
    void changedReturnAtTheEnd();

private:
    QTemporaryDir m_temp;
};

void tst_returns::everyControlThereAndBack()
{
    // Every control of every sheet shows a text or state of its own. A window's controls are
    // its record's, with the record's start-up values: a box the record lacks would never be
    // saved, one the window lacks never shown.
    int n = 0;
    for (const sheetlist::Sheet &entry : sheetlist::all()) {
        QWidget *sheet = openSheet(entry.name);
        QVERIFY(sheet);
        records::Controls controls;
        for (QWidget *control : sheet->findChildren<QWidget *>()) {
            if (auto *box = qobject_cast<QLineEdit *>(control); box && !qobject_cast<QComboBox *>(box->parent()))
                controls.insert(box->objectName(), box->text());
            else if (auto *list = qobject_cast<QComboBox *>(control))
                controls.insert(list->objectName(), list->currentText());
            else if (auto *button = qobject_cast<QAbstractButton *>(control); button && button->isCheckable())
                controls.insert(button->objectName(), button->isChecked() ? "1" : "0");
        }
        QCOMPARE(controls, entry.startUp);
    }
    for (const sheetlist::Sheet &entry : sheetlist::all()) {
        QWidget *sheet = run->windows.sheet(entry.name);
        for (QLineEdit *box : sheet->findChildren<QLineEdit *>()) {
            const QSignalBlocker quiet(box);
            box->setText(QStringLiteral("%1,500 %2").arg(++n).arg(box->objectName()));
        }
        for (QComboBox *list : sheet->findChildren<QComboBox *>())
            list->isEditable() ? list->setEditText("x") : list->setCurrentIndex(2);
        for (QAbstractButton *box : sheet->findChildren<QCheckBox *>()) // a tick and the other options
            box->toggle();
        for (const char *option : { "optso", "optb499" })
            if (auto *button = sheet->findChild<QRadioButton *>(option))
                button->setChecked(true);
    }
    { // emptied, as another program may write it: a file opens as it stands, quietly
        const QSignalBlocker quiet(main->txtgs);
        main->txtgs->clear();
    }
    const returnformat::Sheets shown = run->windows.sheets();
    const QString file = m_temp.filePath("R. K. Sharma.morvel");
    QVERIFY(run->document.save(file).isEmpty());
    testsupport::type(main->txtgs, "7"); // a box, figures and a Print button that opening must put back
    testsupport::press(main->cmdcalc);
    run->document.openFile(file);
    QCOMPARE(run->windows.sheets(), shown);
    QVERIFY(main->lblfile->text().endsWith("R. K. Sharma.morvel"));
    QVERIFY(!main->cmdprint->isEnabled() && !sheet<HouseSheet>()->txtarv->isEnabled()); // self occupied
    QVERIFY(returnformat::write(shown).contains("\"txtbp(3)\": \"")); // the names of array elements
}

void tst_returns::refusedFiles_data()
{
    testsupport::table(R"(
        missing file     |                                                                                                    | No such file
        not JSON         | {"format": "morvel-return",                                                                        | it is not JSON
        other format     | {"format": "other", "version": 1, "year": "2014-15", "sheets": {}}                                 | its "format" is not "morvel-return"
        later version    | {"format": "morvel-return", "version": 2, "year": "2014-15", "sheets": {}}                         | a later version of Morvel wrote it
        another year     | {"format": "morvel-return", "version": 1, "year": "2015-16", "sheets": {}}                         | not a return of the year 2014-15
        unknown sheet    | {"format": "morvel-return", "version": 1, "year": "2014-15", "sheets": {"Form3": {}}}              | does not have, "Form3"
        unknown control  | {"format": "morvel-return", "version": 1, "year": "2014-15", "sheets": {"frmmain": {"txtgs": "5", "txtx": "1"}}} | no control "txtx"
        not a text       | {"format": "morvel-return", "version": 1, "year": "2014-15", "sheets": {"frmmain": {"txtgs": 5}}}  | is not a text
    )");
}

void tst_returns::refusedFiles()
{
    const auto [file, why] = testsupport::cells<2>();
    testsupport::type(main->txtgs, "533080");
    testsupport::type(openSheet("Form4")->findChild<QLineEdit *>("txtarv"), "120000");
    const returnformat::Sheets before = run->windows.sheets();
    run->document.openFile(file.isEmpty() ? m_temp.filePath("none.morvel") : testsupport::write(m_temp.filePath("refused.morvel"), file.toUtf8()));
    const QStringList told = takeMessages();
    QVERIFY2(told.size() == 1 && told[0].startsWith("The return \"") && told[0].contains(why), qPrintable(told.join('|')));
    QCOMPARE(run->windows.sheets(), before);
    QVERIFY(run->document.fileName().isEmpty());
}

void tst_returns::limits_data()
{
    // A file padded with blanks to a size, or holding a name of a length; why it is refused
    // (nothing: it opens).
    testsupport::table(R"(
        1 MiB exactly     | size | 1048576 |
        a byte over 1 MiB | size | 1048577 | larger than 1 MiB
        10000 characters  | text | 10000   |
        10001 characters  | text | 10001   | longer than 10000 characters
    )");
}

void tst_returns::limits()
{
    const auto [what, size, why] = testsupport::cells<3>();
    const qsizetype n = size.toLongLong();
    QByteArray bytes = R"({"format": "morvel-return", "version": 1, "year": "2014-15", "sheets": {"frmmain": {"txtname": ")"
        + QByteArray(what == "text" ? n : 1, 'R') + "\"}}}";
    if (what == "size")
        bytes += QByteArray(n - bytes.size(), ' ');
    run->document.openFile(testsupport::write(m_temp.filePath("limit.morvel"), bytes));
    const QStringList told = takeMessages();
    QVERIFY2(why.isEmpty() ? told.isEmpty() : told.size() == 1 && told[0].contains(why), qPrintable(told.join('|')));
    QCOMPARE(main->txtname->text().size(), why.isEmpty() ? (what == "text" ? n : 1) : 0);
}

void tst_returns::panOfOlderReturns_data()
{
    // The main sheet in the file and the relief sheet's PAN; the PAN the main sheet then shows.
    testsupport::table(R"(
        relief sheet's only | "txtname": "R. Old"    | ABCPS1234K | ABCPS1234K
        both                | "txtpan": "BCDPG2345L" | CDEPR3456M | BCDPG2345L
    )");
}

void tst_returns::panOfOlderReturns()
{
    const auto [mainSheet, reliefPan, shown] = testsupport::cells<3>();
    run->document.openFile(testsupport::write(m_temp.filePath("older.morvel"), QStringLiteral(R"({"format": "morvel-return", "version": 1,
        "year": "2014-15", "sheets": {"frmmain": {%1}, "frmrel89": {"txtpan": "%2"}}})").arg(mainSheet, reliefPan).toUtf8()));
    QCOMPARE(main->txtpan->text(), shown);
}

void tst_returns::failedSaves()
{
    // A disk as full as can be (no file may grow beyond 100 bytes, for root too), and a folder
    // no one can write in.
    for (const QString where : { "full", "/proc/self/return.morvel" }) {
        const QTemporaryDir folder;
        const QString earlier = testsupport::write(folder.filePath("earlier.morvel"), "the earlier file\n");
        run->document.chooseFile = [&](QWidget *, bool, const QString &) { return where == "full" ? earlier : where; };
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full { where == "full" ? 100 : limit.rlim_cur, limit.rlim_max };
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &full);
        QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY2(takeMessages().value(0).startsWith("The return was not saved in"), qPrintable(where));
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "the earlier file\n");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1); // nothing half-written beside it
        QVERIFY(run->document.fileName().isEmpty());
    }
}

void tst_returns::whereTheDialogsStart()
{
    // Before any file is in use they start at home, then beside the return in use; the name
    // typed is the file's, never a folder's.
    QStringList suggested;
    run->document.chooseFile = [&](QWidget *, bool saving, const QString &to) { return suggested << to, saving ? m_temp.filePath("saved.morvel") : ""; };
    QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
    testsupport::type(main->txtname, "Ram S/O Shyam");
    QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(suggested, QStringList({ QDir::homePath(), QDir::home().filePath("Ram S-O Shyam.morvel"), m_temp.path() }));
}

void tst_returns::changedReturnAtTheEnd_data()
{
    // How the return came to be, how it was left, how the run is left and the answer to
    // "Save the changes?" (none: not asked); then whether the run ended and the file holds the
    // change.
    testsupport::table(R"(
        typed, never saved      | none   | typed | Exit  |         | yes | no
        opened, unchanged       | opened | none  | Exit  |         | yes | no
        opened, changed back    | opened | back  | close |         | yes | no
        saved, changed: Cancel  | saved  | typed | Exit  | Cancel  | no  | no
        saved, changed: Discard | saved  | typed | close | Discard | yes | no
        opened, changed: Save   | opened | typed | Exit  | Save    | yes | yes
        opening another: Cancel | saved  | typed | Open  | Cancel  | no  | no
        typed, then Open: Save  | none   | typed | Open  | Save    | no  | yes
    )");
}

void tst_returns::changedReturnAtTheEnd()
{
    const auto [file, change, leave, answer, ends, holds] = testsupport::cells<6>();
    const QString path = m_temp.filePath("return.morvel");
    QFile::remove(path);
    testsupport::type(main->txtgs, "533080");
    if (file != "none")
        QVERIFY(run->document.save(path).isEmpty());
    if (file == "opened")
        run->document.openFile(path);
    if (change != "none")
        testsupport::type(main->txtgs, change == "back" ? "533080" : "600000");
    QStringList questions;
    run->document.askToSave = [&](QWidget *, const QString &question) {
        questions << question;
        return answer == "Save" ? ReturnDocument::Answer::Save : answer == "Discard" ? ReturnDocument::Answer::Discard : ReturnDocument::Answer::Cancel;
    };
    run->document.chooseFile = [&](QWidget *, bool, const QString &) { return path; };
    if (leave == "Exit")
        testsupport::press(main->cmdexit);
    else if (leave == "close")
        main->close();
    else
        QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(questions.size(), answer.isEmpty() ? 0 : 1);
    QCOMPARE(ended, ends == "yes" ? 1 : 0);
    QFile saved(path);
    QCOMPARE(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("\"600000\""), holds == "yes");
}

QTEST_MAIN(tst_returns)
#include "tst_returns.moc"

#include "support/testsupport.h"

#include <QAbstractButton>
#include <QSettings>
#include <QStandardPaths>

namespace testsupport {

void SheetTest::init()
{
    fields::setMessageHandler([this](QWidget *, const QString &text) { m_messages << text; });
    // The program's settings of the tests' own, empty for every test.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Morvel", "Morvel").clear();
    run = std::make_unique<App>();
    ended = 0;
    run->programEnder = [this] { ++ended; };
    // A question the test does not answer itself fails it, as an unexpected message does.
    run->document.askToSave = [this](QWidget *, const QString &question) {
        return m_messages << question, ReturnDocument::Answer::Cancel;
    };
    main = run->windows.main();
    Windows::present(main);
    QVERIFY(QTest::qWaitForWindowActive(main));
}

void SheetTest::cleanup()
{
    run.reset();
    fields::setMessageHandler({});
    QVERIFY2(m_messages.isEmpty(), qPrintable("unexpected message: " + m_messages.join(" | ")));
}

QWidget *SheetTest::openSheet(const QString &name)
{
    if (const sheetlist::Sheet *sheet = sheetlist::named(name); sheet && !sheet->opener.isEmpty())
        press(main->findChild<QPushButton *>(sheet->opener));
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            return QTest::qWaitForWindowActive(window) ? window : nullptr;
    return nullptr;
}

void table(const char *rows)
{
    QTest::addColumn<QStringList>("row");
    for (const QString &line : QString::fromUtf8(rows).split('\n')) {
        QStringList cells = line.split('|');
        if (cells.size() < 2)
            continue;
        const QString name = cells.takeFirst().trimmed();
        for (QString &cell : cells)
            cell = cell.trimmed().replace("\\t", "\t").replace("\\n", "\n");
        QTest::newRow(qPrintable(name)) << cells;
    }
}

void type(QWidget *box, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(box))
        box = combo->lineEdit();
    box->setFocus();
    auto *edit = qobject_cast<QLineEdit *>(box);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void press(QAbstractButton *button)
{
    // Near the left edge: an option button takes clicks only on its circle and caption.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void fill(const QWidget *sheet, const QString &boxes, const QString &texts)
{
    const QStringList names = boxes.split(' '), values = texts.split(' ');
    for (qsizetype i = 0; i < names.size(); ++i) // "-": the box in that place is left alone
        if (names[i] != "-")
            type(sheet->findChild<QWidget *>(names[i]), values.value(i));
}

QString shown(const QWidget *sheet, const QString &boxes)
{
    QStringList result;
    for (const QString &name : boxes.split(' '))
        result << sheet->findChild<QLineEdit *>(name)->text();
    return result.join(' ');
}

QString write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable("cannot write " + path), __FILE__, __LINE__);
    return path;
}

} // namespace testsupport

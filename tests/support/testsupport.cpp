#include "support/testsupport.h"

#include <QAbstractButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace testsupport {

void SheetTest::init()
{
    fields::setMessageHandler([this](QWidget *, const QString &text) { m_messages << text; });
    // The program's settings of the tests' own, empty for every test: of this process alone,
    // which another test run side by side does not clear.
    QStandardPaths::setTestModeEnabled(true);
    static const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
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
    auto *combo = qobject_cast<QComboBox *>(box);
    QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(box);
    edit->setFocus();
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

records::Controls pairs(const QString &entries)
{
    records::Controls controls;
    for (const QString &pair : entries.split(' ', Qt::SkipEmptyParts)) {
        const QString text = pair.section('=', 1);
        controls.insert(pair.section('=', 0, 0), text == u"''" ? QString() : QString(text).replace('~', ' '));
    }
    return controls;
}

QString told(const std::optional<records::Said> &said)
{
    return said ? said->message + " @" + said->box : QString();
}

} // namespace testsupport

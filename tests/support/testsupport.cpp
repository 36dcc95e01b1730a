#include "support/testsupport.h"

#include "sheets/main/frmmain.h"

#include <QApplication>
#include <QComboBox>
#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace testsupport {

void SheetTest::init()
{
    fields::setMessageHandler([this](QWidget *, const QString &text) { m_messages << text; });
    forms = std::make_unique<Forms>();
    ended = 0;
    forms->programEnder = [this] { ++ended; };
    main = forms->mainSheet();
    Forms::present(main);
    QVERIFY(QTest::qWaitForWindowActive(main));
}

void SheetTest::cleanup()
{
    forms.reset();
    fields::setMessageHandler({});
    QVERIFY2(m_messages.isEmpty(), qPrintable("unexpected message: " + m_messages.join(" | ")));
}

QWidget *SheetTest::openSheet(const QString &name)
{
    const QHash<QString, QString> openers = { { "Form1", "cmdcalgs" }, { "Form2", "cmdcalhr" },
        { "Form4", "cmdcalhp" }, { "frmreb88", "cmdcalded80" } };
    if (openers.contains(name))
        press(main->findChild<QPushButton *>(openers[name]));
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            return QTest::qWaitForWindowActive(window) ? window : nullptr;
    return nullptr;
}

void table(std::initializer_list<const char *> columns, const char *rows)
{
    for (const char *column : columns)
        QTest::addColumn<QString>(column);
    for (const QString &line : QString::fromUtf8(rows).split('\n')) {
        const QStringList cells = line.split('|');
        if (cells.size() < 2)
            continue;
        QTestData &row = QTest::newRow(qPrintable(cells[0].trimmed()));
        for (qsizetype i = 1; i < cells.size(); ++i) // "\t" and "\n" stand for a tab and a line feed
            row << cells[i].trimmed().replace("\\t", "\t").replace("\\n", "\n");
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

QStringList texts(std::initializer_list<const QLineEdit *> boxes)
{
    QStringList result;
    for (const QLineEdit *box : boxes)
        result << box->text();
    return result;
}

} // namespace testsupport

// Random use of all five sheets, the way an impatient user would: typing anything into any
// box, clearing boxes, pressing whatever is enabled, switching options and lists, opening
// and putting away the sub-sheets. After every single action the rules that must always
// hold are checked. MONKEY_SEED and MONKEY_ACTIONS replay or lengthen a run.
#include "app/forms.h"
#include "fields/conversions.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/hra/form2.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

#include <deque>
#include <random>
#include <vector>

namespace {

constexpr quint64 kFixedSeed = 20140401;
constexpr int kDefaultActions = 20000;
constexpr size_t kHistory = 20;

// Letters that can never spell "inf" or "nan": those words are typed on purpose elsewhere,
// so that a box showing them must have been written by the program.
const QString kLetters = QStringLiteral("bcdeghjklmopqrstuvwxyzBCDEGHJKLMOPQRSTUVWXYZ,;:/()*+ ");

QString amountOf(const QString &text)
{
    return fields::numberText(fields::readAmount(text));
}

bool showsNonNumber(const QString &text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

// The result fields and their main-sheet targets as they stood after a successful Calculate.
struct HandBack
{
    bool valid = false;
    std::vector<std::pair<QLineEdit *, QString>> expected; // main-sheet field, its text
};

class Monkey
{
public:
    explicit Monkey(quint64 seed)
        : m_rng(seed)
    {
        m_forms.programEnder = [this] { ++m_programEnds; };
        m_forms.urlOpener = [](const QUrl &) { return true; };
    }

    bool start()
    {
        frmmain *main = m_forms.mainSheet();
        main->show();
        if (!QTest::qWaitForWindowActive(main))
            return false;
        hook();
        return true;
    }

    // Runs one random action and checks the invariants; an empty string when they hold.
    QString step(int index)
    {
        snapshotGuards();
        m_clicked.clear();
        m_typedForm = nullptr;
        m_typedField.clear();
        m_failure.clear();

        m_current = QStringLiteral("#%1 ").arg(index);
        act();
        // Closing the salary sheet deletes it once control is back in the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        remember(m_current);
        hook();
        if (m_failure.isEmpty())
            check();
        return m_failure;
    }

    QStringList history() const { return QStringList(m_history.begin(), m_history.end()); }
    int backs(const char *form) const { return m_backs.value(QLatin1String(form)); }
    int calculations() const { return m_calculations; }
    qsizetype messages() const { return m_recorder.messages.size(); }

private:
    // ---- the forms that exist, their inputs and their guards ----------------------------

    std::vector<QWidget *> existingForms()
    {
        std::vector<QWidget *> result{m_forms.mainSheet()};
        if (m_forms.hasSalarySheet())
            result.push_back(m_forms.salarySheet());
        if (m_forms.hasHraSheet())
            result.push_back(m_forms.hraSheet());
        if (m_forms.hasHouseSheet())
            result.push_back(m_forms.houseSheet());
        if (m_forms.hasDeductionsSheet())
            result.push_back(m_forms.deductionsSheet());
        return result;
    }

    std::vector<QWidget *> visibleForms()
    {
        std::vector<QWidget *> result;
        for (QWidget *form : existingForms()) {
            if (form->isVisible())
                result.push_back(form);
        }
        return result;
    }

    std::vector<QPushButton *> guardsOf(QWidget *form)
    {
        if (auto *main = qobject_cast<frmmain *>(form))
            return {main->cmdprint};
        if (auto *salary = qobject_cast<Form1 *>(form))
            return {salary->cmdprn, salary->cmdbak};
        if (auto *hra = qobject_cast<Form2 *>(form))
            return {hra->cmdback};
        if (auto *house = qobject_cast<Form4 *>(form))
            return {house->cmdbk};
        if (auto *deductions = qobject_cast<frmreb88 *>(form))
            return {deductions->cmdbk};
        return {};
    }

    QPushButton *calculateOf(QWidget *form)
    {
        if (auto *main = qobject_cast<frmmain *>(form))
            return main->cmdcalc;
        if (auto *salary = qobject_cast<Form1 *>(form))
            return salary->cmdcal;
        if (auto *hra = qobject_cast<Form2 *>(form))
            return hra->cmdcal;
        if (auto *house = qobject_cast<Form4 *>(form))
            return house->cmdtot;
        if (auto *deductions = qobject_cast<frmreb88 *>(form))
            return deductions->cmdtot;
        return nullptr;
    }

    static bool isComboEdit(const QLineEdit *field)
    {
        return qobject_cast<QComboBox *>(field->parentWidget()) != nullptr;
    }

    // Boxes the user can type into: shown, enabled, not read-only (combo boxes apart).
    std::vector<QLineEdit *> inputsOf(QWidget *form)
    {
        std::vector<QLineEdit *> result;
        for (QLineEdit *field : form->findChildren<QLineEdit *>()) {
            if (field->isVisible() && field->isEnabled() && !field->isReadOnly()
                && !isComboEdit(field))
                result.push_back(field);
        }
        return result;
    }

    std::vector<QComboBox *> combosOf(QWidget *form)
    {
        std::vector<QComboBox *> result;
        for (QComboBox *combo : form->findChildren<QComboBox *>()) {
            if (combo->isVisible() && combo->isEnabled())
                result.push_back(combo);
        }
        return result;
    }

    // Connects to the buttons of forms created since the last action. Connected after the
    // form's own handlers, so these run once the handler has done its work.
    void hook()
    {
        if (m_forms.hasSalarySheet() && m_salary != m_forms.salarySheet()) {
            Form1 *salary = m_forms.salarySheet();
            m_salary = salary;
            m_salaryBack = {};
            forgetTaintOutside(salary);
            hookButtons(salary);
            QObject::connect(salary->cmdcal, &QPushButton::clicked, salary, [this, salary] {
                frmmain *main = m_forms.mainSheet();
                m_salaryBack = {};
                if (!salary->cmdbak->isEnabled())
                    return;
                m_salaryBack.valid = true;
                m_salaryBack.expected = {{main->txtgs, amountOf(salary->txtgtotal->text())},
                                         {main->txtbp, amountOf(salary->txtbpt->text())},
                                         {main->txtda, amountOf(salary->txtdat->text())},
                                         {main->txthrr, amountOf(salary->txthrat->text())},
                                         {main->txtnpa, amountOf(salary->txtgpt->text())},
                                         {main->txtmgc, amountOf(salary->txtmgct->text())}};
            });
            QObject::connect(salary->cmdbak, &QPushButton::clicked, salary,
                             [this] { verifyHandBack("Form1", m_salaryBack); });
        }
        if (m_forms.hasHraSheet() && !m_hraHooked) {
            m_hraHooked = true;
            Form2 *hra = m_forms.hraSheet();
            hookButtons(hra);
            QObject::connect(hra->cmdcal, &QPushButton::clicked, hra, [this, hra] {
                m_hraBack = {};
                if (hra->cmdback->isEnabled())
                    m_hraBack = {true, {{m_forms.mainSheet()->txthra, amountOf(hra->txthrx->text())}}};
            });
            QObject::connect(hra->cmdback, &QPushButton::clicked, hra,
                             [this] { verifyHandBack("Form2", m_hraBack); });
        }
        if (m_forms.hasHouseSheet() && !m_houseHooked) {
            m_houseHooked = true;
            Form4 *house = m_forms.houseSheet();
            hookButtons(house);
            QObject::connect(house->cmdtot, &QPushButton::clicked, house, [this, house] {
                m_houseBack = {};
                if (house->cmdbk->isEnabled())
                    m_houseBack = {true, {{m_forms.mainSheet()->txthp, amountOf(house->txtihp->text())}}};
            });
            QObject::connect(house->cmdbk, &QPushButton::clicked, house,
                             [this] { verifyHandBack("Form4", m_houseBack); });
        }
        if (m_forms.hasDeductionsSheet() && !m_deductionsHooked) {
            m_deductionsHooked = true;
            frmreb88 *deductions = m_forms.deductionsSheet();
            hookButtons(deductions);
            QObject::connect(deductions->cmdtot, &QPushButton::clicked, deductions,
                             [this, deductions] {
                                 m_deductionsBack = {};
                                 if (deductions->cmdbk->isEnabled())
                                     m_deductionsBack = {true,
                                                         {{m_forms.mainSheet()->txtded80,
                                                           amountOf(deductions->txtgt80->text())}}};
                             });
            QObject::connect(deductions->cmdbk, &QPushButton::clicked, deductions,
                             [this] { verifyHandBack("frmreb88", m_deductionsBack); });
        }
        if (!m_mainHooked) {
            m_mainHooked = true;
            hookButtons(m_forms.mainSheet());
        }
    }

    // The fields of a discarded salary sheet are gone; a new one starts from its own texts.
    void forgetTaintOutside(Form1 *salary)
    {
        QHash<QLineEdit *, QString> kept;
        for (QWidget *form : existingForms()) {
            if (form == salary)
                continue;
            for (QLineEdit *field : form->findChildren<QLineEdit *>()) {
                if (m_tainted.contains(field))
                    kept.insert(field, m_tainted.value(field));
            }
        }
        m_tainted = kept;
    }

    void hookButtons(QWidget *form)
    {
        for (QPushButton *button : form->findChildren<QPushButton *>()) {
            QObject::connect(button, &QPushButton::clicked, form, [this, button] {
                m_clicked.insert(button);
                if (button == calculateOf(button->window()))
                    ++m_calculations;
            });
        }
    }

    void verifyHandBack(const char *form, const HandBack &handBack)
    {
        ++m_backs[QLatin1String(form)];
        if (!handBack.valid) {
            fail(QStringLiteral("%1 Back pressed with no successful Calculate behind it")
                     .arg(QLatin1String(form)));
            return;
        }
        for (const auto &[field, text] : handBack.expected) {
            if (field->text() != text)
                fail(QStringLiteral("%1 Back wrote \"%2\" into main %3; its last Calculate showed "
                                    "\"%4\"")
                         .arg(QLatin1String(form), field->text(), field->objectName(), text));
        }
    }

    // ---- the invariants ----------------------------------------------------------------

    // The boxes whose change makes a form's result out of date, whoever changed them: every
    // box the user can type an amount into (shown or not at the moment), and the main sheet's
    // house-property income, which only the house-property sheet writes.
    std::vector<QLineEdit *> reactingFields(QWidget *form)
    {
        std::vector<QLineEdit *> result;
        for (QLineEdit *field : form->findChildren<QLineEdit *>()) {
            const QString name = field->objectName();
            if (field->isReadOnly() || field->isHidden() || isComboEdit(field) || name == u"txtnam")
                continue;
            result.push_back(field);
        }
        if (auto *main = qobject_cast<frmmain *>(form))
            result.push_back(main->txthp);
        return result;
    }

    void snapshotGuards()
    {
        m_guardsBefore.clear();
        m_textsBefore.clear();
        for (QWidget *form : existingForms()) {
            for (QPushButton *guard : guardsOf(form))
                m_guardsBefore.insert(guard, guard->isEnabled());
            for (QLineEdit *field : reactingFields(form))
                m_textsBefore.insert(field, field->text());
        }
    }

    // The first box of the form whose text this action changed, unless the form calculated.
    QString changedField(QWidget *form)
    {
        if (m_clicked.contains(calculateOf(form)))
            return {};
        for (QLineEdit *field : reactingFields(form)) {
            const auto before = m_textsBefore.constFind(field);
            if (before != m_textsBefore.constEnd() && *before != field->text())
                return field->objectName();
        }
        return {};
    }

    void check()
    {
        if (m_programEnds != 0)
            fail(QStringLiteral("the program was ended"));
        if (QApplication::activeModalWidget())
            fail(QStringLiteral("a modal window is open"));

        for (QWidget *form : existingForms()) {
            for (QLineEdit *field : form->findChildren<QLineEdit *>()) {
                const QString text = field->text();
                const QString name = field->objectName();
                // Names and the selection boxes hold text, not amounts.
                const bool isText = isComboEdit(field) || name == u"txtname" || name == u"txtnam";
                if (showsNonNumber(text) && !isText && m_tainted.value(field) != text)
                    fail(QStringLiteral("%1 %2 shows \"%3\"")
                             .arg(form->objectName(), name, text.left(60)));
                if (text.isEmpty() && !isText)
                    fail(QStringLiteral("%1 %2 is empty").arg(form->objectName(), name));
            }

            const std::vector<QPushButton *> guards = guardsOf(form);
            const QString changed = changedField(form);
            for (QPushButton *guard : guards) {
                const bool wasEnabled = m_guardsBefore.value(guard, false);
                if (guard->isEnabled() && !wasEnabled && !m_clicked.contains(calculateOf(form)))
                    fail(QStringLiteral("%1 %2 became enabled without its Calculate")
                             .arg(form->objectName(), guard->objectName()));
                if (form == m_typedForm && guard->isEnabled())
                    fail(QStringLiteral("%1 %2 still enabled after the user changed %3")
                             .arg(form->objectName(), guard->objectName(), m_typedField));
                if (!changed.isEmpty() && guard->isEnabled())
                    fail(QStringLiteral("%1 %2 still enabled after %3 changed")
                             .arg(form->objectName(), guard->objectName(), changed));
            }
        }
    }

    void fail(const QString &what)
    {
        if (m_failure.isEmpty())
            m_failure = what;
    }

    void remember(const QString &action)
    {
        m_history.push_back(action);
        if (m_history.size() > kHistory)
            m_history.pop_front();
    }

    // ---- the actions -------------------------------------------------------------------

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }

    template <typename T> T pickFrom(const std::vector<T> &items) { return items[pick(int(items.size()))]; }

    QString randomText()
    {
        static const QStringList huge = {
            "1E+308", "9E307", "1E308", "-1E+308", "1.79769313486232E+308", "1.7976931348623157E308",
            "9.99999999999999E+307", "1E+309", "5E307", "-9E307", "1e308", "4.9E-324", "1E-400"};
        static const QStringList exponent = {"1e3", "2.5E-3", "1E", "E5", "1e+", "3E+2", "-1e2",
                                             "1.5e", "7E-", "0E0", "1D3", "12e3e4"};
        static const QStringList radix = {"&H", "&HFF", "&h7fffffff", "&HFFFFFFFFFFFFFFFFFFFFFFFF",
                                          "&O17", "&O", "&o777", "&O99", "&", "&H-1", "&HG"};
        static const QStringList odd = {"-", ".", "-.", "+", "+-", "1,234", " 12 ", "12 500",
                                        "1.2.3", "--5", "0.5", "-0", "00012", "1 000 000", "\t5"};
        static const QStringList nonNumbers = {"inf", "nan", "Infinity", "-inf", "NaN", "INF"};
        static const QStringList unicodeDigits = {
            QStringLiteral(u"\u0661\u0662\u0663"), QStringLiteral(u"\u0967\u0968\u0969"),
            QStringLiteral(u"\uFF11\uFF12\uFF13"), QStringLiteral(u"\u00B2\u00BD"),
            QStringLiteral(u"1\u00A0000"), QStringLiteral(u"\u20B9500")};

        const int kind = pick(100);
        if (kind < 40) { // a plausible amount
            QString digits = QString::number(pick(9) + 1);
            const int length = pick(7);
            for (int i = 0; i < length; ++i)
                digits += QChar(u'0' + pick(10));
            return digits;
        }
        if (kind < 50)
            return huge[pick(int(huge.size()))];
        if (kind < 58)
            return exponent[pick(int(exponent.size()))];
        if (kind < 64)
            return radix[pick(int(radix.size()))];
        if (kind < 74)
            return odd[pick(int(odd.size()))];
        if (kind < 82) {
            QString letters;
            const int length = 1 + pick(6);
            for (int i = 0; i < length; ++i)
                letters += kLetters.at(pick(int(kLetters.size())));
            return letters;
        }
        if (kind < 86) { // a long string
            QString text;
            const int length = 200 + pick(150);
            const bool digitsOnly = chance(50);
            for (int i = 0; i < length; ++i)
                text += digitsOnly ? QChar(u'0' + pick(10)) : kLetters.at(pick(int(kLetters.size())));
            if (digitsOnly && chance(50))
                text[0] = u'9';
            return text;
        }
        if (kind < 92)
            return unicodeDigits[pick(int(unicodeDigits.size()))];
        return nonNumbers[pick(int(nonNumbers.size()))];
    }

    // Typed key by key; keyClicks only knows Latin-1, other characters go as text events.
    static void typeInto(QWidget *target, const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClicks(target, QString(c));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    void activate(QWidget *form)
    {
        if (QApplication::activeWindow() == form)
            return;
        Forms::present(form);
        if (!QTest::qWaitForWindowActive(form, 1000))
            fail(QStringLiteral("%1 could not be brought to the front").arg(form->objectName()));
    }

    // A Form1 pay cell runs its text down the column: what it shows, the later rows show.
    std::vector<QLineEdit *> affectedBy(QLineEdit *field)
    {
        if (m_forms.hasSalarySheet()) {
            Form1 *salary = m_forms.salarySheet();
            for (const auto *column : {&salary->txtbp, &salary->txtgp}) {
                for (int i = 0; i < Form1::kRows; ++i) {
                    if ((*column)[i] == field)
                        return std::vector<QLineEdit *>(column->begin() + i, column->end());
                }
            }
        }
        return {field};
    }

    QString describe(const QWidget *widget)
    {
        return widget->window()->objectName() + QLatin1Char('.') + widget->objectName();
    }

    // Typing only ever copies the user's own text (down a Form1 pay column at most): a box
    // that now shows "inf" or "nan" shows what the user typed, as long as that text stays.
    void noteUserText(QLineEdit *field)
    {
        for (QLineEdit *affected : affectedBy(field)) {
            if (showsNonNumber(affected->text()))
                m_tainted.insert(affected, affected->text());
            else
                m_tainted.remove(affected);
        }
    }

    void noteTyped(QWidget *form, QLineEdit *field, const QString &before)
    {
        // The salary sheet's name box is no part of any figure: it has no change reaction.
        if (field->objectName() == u"txtnam")
            return;
        if (field->text() != before) {
            m_typedForm = form;
            m_typedField = field->objectName();
        }
    }

    void act()
    {
        const std::vector<QWidget *> forms = visibleForms();
        QWidget *form = pickFrom(forms);
        activate(form);

        const int kind = pick(100);
        if (kind < 34)
            typeText(form);
        else if (kind < 44)
            clearField(form);
        else if (kind < 52)
            pressEnter(form);
        else if (kind < 76)
            pressButton(form);
        else if (kind < 84)
            switchOption(form);
        else if (kind < 92)
            useCombo(form);
        else if (kind < 95)
            putAway(form);
        else
            typeText(form);
    }

    void typeText(QWidget *form)
    {
        const std::vector<QLineEdit *> inputs = inputsOf(form);
        if (inputs.empty())
            return pressButton(form);
        QLineEdit *field = pickFrom(inputs);
        const QString text = randomText();
        const QString before = field->text();
        field->setFocus(Qt::TabFocusReason); // selects the whole text, as Tab does
        if (chance(30))
            field->end(false); // the user clicked behind the text instead
        m_current += QStringLiteral("type \"%1\" into %2").arg(text.left(40), describe(field));
        typeInto(field, text);
        noteTyped(form, field, before);
        noteUserText(field);
    }

    void clearField(QWidget *form)
    {
        const std::vector<QLineEdit *> inputs = inputsOf(form);
        if (inputs.empty())
            return pressButton(form);
        QLineEdit *field = pickFrom(inputs);
        const QString before = field->text();
        field->setFocus(Qt::TabFocusReason);
        const bool backspace = chance(50);
        m_current += QStringLiteral("clear %1 with %2")
                         .arg(describe(field), backspace ? "Backspace" : "Delete");
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, backspace ? Qt::Key_Backspace : Qt::Key_Delete);
        noteTyped(form, field, before);
        noteUserText(field);
    }

    void pressEnter(QWidget *form)
    {
        std::vector<QWidget *> targets;
        for (QLineEdit *field : inputsOf(form))
            targets.push_back(field);
        for (QComboBox *combo : combosOf(form))
            targets.push_back(combo);
        if (targets.empty())
            return pressButton(form);
        QWidget *target = pickFrom(targets);
        target->setFocus(Qt::TabFocusReason);
        m_current += QStringLiteral("Enter in %1").arg(describe(target));
        QTest::keyClick(target, Qt::Key_Return);
    }

    void pressButton(QWidget *form)
    {
        std::vector<QPushButton *> buttons;
        for (QPushButton *button : form->findChildren<QPushButton *>()) {
            const QString name = button->objectName();
            // Exit ends the run; printing would reach a printer.
            if (name == u"cmdexit" || name == u"cmdprint" || name == u"cmdprn")
                continue;
            if (button->isVisible() && button->isEnabled())
                buttons.push_back(button);
        }
        if (buttons.empty())
            return;
        QPushButton *button = pickFrom(buttons);
        m_current += QStringLiteral("click %1").arg(describe(button));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void switchOption(QWidget *form)
    {
        if (auto *house = qobject_cast<Form4 *>(form)) {
            std::vector<QRadioButton *> options;
            for (QRadioButton *option : {house->optso, house->optrent, house->opta499, house->optb499}) {
                if (option->isVisible() && option->isEnabled())
                    options.push_back(option);
            }
            QRadioButton *option = pickFrom(options);
            m_current += QStringLiteral("click %1").arg(describe(option));
            option->click();
            // Either choice changes what Calculate works out.
            m_typedForm = house;
            m_typedField = option->objectName();
            return;
        }
        if (auto *salary = qobject_cast<Form1 *>(form)) {
            m_current += QStringLiteral("tick %1").arg(describe(salary->chkinc));
            salary->chkinc->click();
            return;
        }
        typeText(form);
    }

    void useCombo(QWidget *form)
    {
        const std::vector<QComboBox *> combos = combosOf(form);
        if (combos.empty())
            return typeText(form);
        QComboBox *combo = pickFrom(combos);
        combo->setFocus(Qt::TabFocusReason);
        if (chance(60)) {
            const int index = pick(combo->count());
            m_current += QStringLiteral("pick \"%1\" in %2").arg(combo->itemText(index), describe(combo));
            combo->setCurrentIndex(index);
            return;
        }
        static const QStringList words = {"Y", "N", "X", "Z", "NA", "A/A-1", "Oth.", "y", "x", ""};
        const QString text = chance(60) ? words[pick(int(words.size()))] : randomText();
        QLineEdit *edit = combo->lineEdit();
        const QString before = edit->text();
        m_current += QStringLiteral("type \"%1\" into %2").arg(text.left(40), describe(combo));
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(combo, Qt::Key_Delete);
        else
            typeInto(combo, text);
        noteTyped(form, edit, before);
    }

    void putAway(QWidget *form)
    {
        if (qobject_cast<frmmain *>(form))
            return pressButton(form); // closing the main sheet ends the run
        int how = pick(3);
        // The salary sheet has no way to be hidden by the user: only closing it.
        if (how == 1 && qobject_cast<Form1 *>(form))
            how = 0;
        if (how == 0) {
            m_current += QStringLiteral("close %1").arg(form->objectName());
            form->close();
        } else if (how == 1) {
            m_current += QStringLiteral("hide %1").arg(form->objectName());
            form->hide();
        } else {
            m_current += QStringLiteral("Escape in %1").arg(form->objectName());
            QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, Qt::Key_Escape);
        }
    }

    testsupport::MessageRecorder m_recorder;
    Forms m_forms;
    std::mt19937_64 m_rng;
    int m_programEnds = 0;

    QPointer<Form1> m_salary;
    bool m_mainHooked = false;
    bool m_hraHooked = false;
    bool m_houseHooked = false;
    bool m_deductionsHooked = false;
    HandBack m_salaryBack;
    HandBack m_hraBack;
    HandBack m_houseBack;
    HandBack m_deductionsBack;

    QHash<QPushButton *, bool> m_guardsBefore;
    QHash<QLineEdit *, QString> m_textsBefore;
    QSet<QPushButton *> m_clicked;
    QHash<QLineEdit *, QString> m_tainted; // boxes showing what the user typed, and that text
    QWidget *m_typedForm = nullptr;
    QString m_typedField;
    QString m_current;
    QString m_failure;
    std::deque<QString> m_history;
    QHash<QString, int> m_backs;
    int m_calculations = 0;
};

// The offscreen platform cannot raise windows and says so at every present(); thousands of
// such lines would hide the report of a broken rule.
QtMessageHandler g_previousHandler = nullptr;
void quietRaise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(u"This plugin does not support"))
        return;
    g_previousHandler(type, context, message);
}

quint64 seedFromEnvironment(bool *given)
{
    const QByteArray text = qgetenv("MONKEY_SEED");
    *given = !text.isEmpty();
    return *given ? text.toULongLong() : 0;
}

int actionCount()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("MONKEY_ACTIONS", &ok);
    return ok && count > 0 ? count : kDefaultActions;
}

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void randomUse_data();
    void randomUse();
};

void tst_Monkey::randomUse_data()
{
    QTest::addColumn<quint64>("seed");
    bool given = false;
    const quint64 seed = seedFromEnvironment(&given);
    if (given) {
        QTest::newRow("MONKEY_SEED") << seed;
        return;
    }
    QTest::newRow("fixed seed") << kFixedSeed;
    QTest::newRow("time seed") << quint64(QDateTime::currentMSecsSinceEpoch());
}

void tst_Monkey::randomUse()
{
    QFETCH(quint64, seed);
    const int actions = actionCount();
    qInfo("monkey seed %llu, %d actions (replay with MONKEY_SEED=%llu MONKEY_ACTIONS=%d)",
          static_cast<unsigned long long>(seed), actions, static_cast<unsigned long long>(seed),
          actions);

    g_previousHandler = qInstallMessageHandler(quietRaise);
    const auto restore = qScopeGuard([] { qInstallMessageHandler(g_previousHandler); });
    QElapsedTimer clock;
    clock.start();
    Monkey monkey(seed);
    QVERIFY(monkey.start());
    for (int i = 0; i < actions; ++i) {
        const QString failure = monkey.step(i);
        if (!failure.isEmpty()) {
            qWarning().noquote() << "seed" << seed << "action" << i << "broke a rule:" << failure;
            qWarning().noquote() << "last actions:\n  " + monkey.history().join(QStringLiteral("\n  "));
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3").arg(seed).arg(i).arg(failure)));
        }
    }
    qInfo("%d actions in %lld ms: %d calculations, Back pressed Form1 %d, Form2 %d, Form4 %d, "
          "frmreb88 %d times, %lld messages",
          actions, static_cast<long long>(clock.elapsed()), monkey.calculations(),
          monkey.backs("Form1"), monkey.backs("Form2"), monkey.backs("Form4"),
          monkey.backs("frmreb88"), static_cast<long long>(monkey.messages()));
    // A run long enough must have reached every hand-back, or the actions miss the point.
    if (actions >= 5000) {
        QVERIFY(monkey.backs("Form1") > 0);
        QVERIFY(monkey.backs("Form2") > 0);
        QVERIFY(monkey.backs("Form4") > 0);
        QVERIFY(monkey.backs("frmreb88") > 0);
    }
}

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"

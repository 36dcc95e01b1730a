// Every window fits a 1366x768 screen, and nothing on it is clipped or drawn over another
// control. Run once as is and once with QT_SCALE_FACTOR=2, as on a 200% desktop.
#include "windows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class tst_Layout : public QObject
{
    Q_OBJECT
private slots:
    void window_data();
    void fitsSmallScreen_data() { window_data(); }
    void fitsSmallScreen();
    void childrenInsideTheirParents_data() { window_data(); }
    void childrenInsideTheirParents();
    void noControlsOverlap_data() { window_data(); }
    void noControlsOverlap();
    void captionsNotClipped_data() { window_data(); }
    void captionsNotClipped();
    void fieldsHoldAnAmount_data() { window_data(); }
    void fieldsHoldAnAmount();
    void amountsRightAlignedComputedDarkRed();
};

void tst_Layout::window_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : { "frmSplash", "frmmain", "Form1", "Form2", "Form4", "frmreb88" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Shows the window as a user first sees it and hands it back, or null.
static QWidget *shown(uitest::Windows &windows)
{
    QFETCH(QString, window);
    QWidget *form = windows.byName(window);
    if (!form)
        return nullptr;
    Forms::present(form);
    if (!QTest::qWaitForWindowExposed(form))
        return nullptr;
    return form;
}

static QString where(const QWidget *widget)
{
    return QStringLiteral("%1 (%2) at %3,%4 %5x%6")
        .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()))
        .arg(widget->x())
        .arg(widget->y())
        .arg(widget->width())
        .arg(widget->height());
}

// The controls a user reads or uses; their own inner parts (a selection box's line edit)
// belong to them.
static bool isLeaf(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget);
}

static QList<QWidget *> visibleChildren(QWidget *parent)
{
    QList<QWidget *> children;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->isWindow())
            children << child;
    return children;
}

void tst_Layout::fitsSmallScreen()
{
    uitest::Windows windows;
    QWidget *form = shown(windows);
    QVERIFY(form);
    // Under QT_SCALE_FACTOR every check below runs on a window drawn that many times larger.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(form->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    const QSize screen(1366, 768);
    for (const QSize size : { form->sizeHint(), form->minimumSizeHint(), form->size() }) {
        QVERIFY2(size.width() <= screen.width() && size.height() <= screen.height(),
            qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
    }
    // A window too small to use says so in its minimum size, not by squeezing its fields.
    QVERIFY(form->size().expandedTo(form->minimumSizeHint()) == form->size());
}

void tst_Layout::childrenInsideTheirParents()
{
    uitest::Windows windows;
    QWidget *form = shown(windows);
    QVERIFY(form);
    QList<QWidget *> pending = { form };
    int checked = 0;
    while (!pending.isEmpty()) {
        QWidget *parent = pending.takeFirst();
        for (QWidget *child : visibleChildren(parent)) {
            QVERIFY2(parent->rect().contains(child->geometry()),
                qPrintable(where(child) + " outside " + where(parent)));
            pending << child;
            ++checked;
        }
    }
    QVERIFY(checked >= 5);
}

void tst_Layout::noControlsOverlap()
{
    uitest::Windows windows;
    QWidget *form = shown(windows);
    QVERIFY(form);
    QList<QWidget *> pending = { form };
    int pairs = 0;
    while (!pending.isEmpty()) {
        QWidget *parent = pending.takeFirst();
        const QList<QWidget *> children = visibleChildren(parent);
        for (qsizetype i = 0; i < children.size(); ++i) {
            if (!qobject_cast<QComboBox *>(children[i]))
                pending << children[i];
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                if (!isLeaf(children[i]) || !isLeaf(children[j]))
                    continue;
                QVERIFY2(!children[i]->geometry().intersects(children[j]->geometry()),
                    qPrintable(where(children[i]) + " overlaps " + where(children[j])));
                ++pairs;
            }
        }
    }
    QVERIFY(pairs > 0);
}

void tst_Layout::captionsNotClipped()
{
    uitest::Windows windows;
    QWidget *form = shown(windows);
    QVERIFY(form);
    form->resize(form->minimumSize());
    QTest::qWait(0);
    int checked = 0;
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue; // a picture
            if (label->wordWrap()) {
                QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                    qPrintable(where(label)));
            } else {
                QVERIFY2(label->width() >= label->sizeHint().width()
                        && label->height() >= label->sizeHint().height(),
                    qPrintable(where(label)
                        + QStringLiteral(" needs %1x%2")
                              .arg(label->sizeHint().width())
                              .arg(label->sizeHint().height())));
            }
            ++checked;
        } else if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QGroupBox *>(widget)) {
            QVERIFY2(widget->width() >= widget->sizeHint().width(),
                qPrintable(where(widget)
                    + QStringLiteral(" needs %1 wide").arg(widget->sizeHint().width())));
            ++checked;
        }
    }
    QVERIFY(checked >= 3);
}

// Every amount box shows a full seven-figure amount with paise, and every selection box
// its longest entry.
void tst_Layout::fieldsHoldAnAmount()
{
    uitest::Windows windows;
    QWidget *form = shown(windows);
    QVERIFY(form);
    // Made as small as it allows, a window must still show whole amounts.
    form->resize(form->minimumSize());
    QTest::qWait(0);
    for (QLineEdit *field : form->findChildren<QLineEdit *>()) {
        if (!field->isVisible() || qobject_cast<QComboBox *>(field->parentWidget()))
            continue;
        const int text = field->fontMetrics().horizontalAdvance(QStringLiteral("9999999.99"));
        QStyleOptionFrame option;
        option.initFrom(field);
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
        QVERIFY2(field->width() >= text + 2 * frame + 4,
            qPrintable(where(field) + QStringLiteral(" needs %1 for its text").arg(text)));
    }
    for (QComboBox *box : form->findChildren<QComboBox *>()) {
        if (box->isVisible())
            QVERIFY2(box->width() >= box->minimumSizeHint().width(), qPrintable(where(box)));
    }
}

void tst_Layout::amountsRightAlignedComputedDarkRed()
{
    uitest::Windows windows;
    int computed = 0;
    for (QWidget *form : windows.all()) {
        for (QLineEdit *field : form->findChildren<QLineEdit *>()) {
            if (field->isHidden() || qobject_cast<QComboBox *>(field->parentWidget()))
                continue;
            if (field->objectName() == QLatin1String("txtname")
                || field->objectName() == QLatin1String("txtnam"))
                continue; // the name boxes hold text, not an amount
            QVERIFY2(field->alignment() & Qt::AlignRight, qPrintable(where(field)));
            if (field->isReadOnly()) {
                QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::darkRed));
                QVERIFY2(!(field->focusPolicy() & Qt::TabFocus), qPrintable(where(field)));
                ++computed;
            }
        }
    }
    QVERIFY(computed >= 40);
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"

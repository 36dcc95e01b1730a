#include "fields/labels.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcutEvent>
#include <QWidget>

namespace fields {
namespace {

// A button that its access key presses at once. Qt animates the press and clicks some 100 ms
// later, so a key typed right after the access key would find the button's work not done
// (Alt+C then Alt+P: Print still disabled).
class Button : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
            click();
            return true;
        }
        return QPushButton::event(event);
    }
};

} // namespace

QString spokenCaption(const QString &caption)
{
    QString words;
    words.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            words += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
            words += caption[++i];
    }
    static const QRegularExpression trailer(QStringLiteral("\\s*:\\s*-"));
    words.replace(trailer, QStringLiteral(":"));
    words = words.simplified();
    while (words.endsWith(QLatin1Char(':')))
        words = words.chopped(1).trimmed();
    return words;
}

void labelField(QLabel *label, QWidget *field)
{
    label->setBuddy(field);
    nameField(field, label->text());
}

void nameField(QWidget *field, const QString &caption)
{
    field->setAccessibleName(spokenCaption(caption));
}

QString elementName(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new Button(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace fields

#include "fields/labels.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QWidget>

namespace fields {

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

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace fields

// Ties each input to the caption beside it, so that keyboard and screen-reader users meet
// the same words as everyone else.
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace fields {

// The name of a member of a control array, "txtbp(3)".
QString elementName(const char *array, int index);

// A label or a button named `name` (its objectName) with its caption.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption);

// The words of a caption as they should be spoken: no access-key marks ("&&" stands for one
// "&"), no ":-" or ": -" trailers ("Less:- Property Taxes" reads "Less: Property Taxes"),
// blanks collapsed.
QString spokenCaption(const QString &caption);

// Makes `label` the buddy of `field` and names the field after the label's words.
void labelField(QLabel *label, QWidget *field);

// Names a field from its own words, for inputs that carry their caption (check boxes,
// option buttons) or that are labelled by more than one caption (a table cell).
void nameField(QWidget *field, const QString &caption);

} // namespace fields

// The return in use: the file it was last opened from or saved to, whether the windows show
// something else since, and the File menu's Open, Save and Save As with their questions.
#pragma once

#include "app/sheetlist.h"

#include <QDir>
#include <QObject>
#include <functional>

class Windows;
class QWidget;

class ReturnDocument : public QObject
{
    Q_OBJECT
public:
    explicit ReturnDocument(Windows &windows);

    // The file last opened or saved in this run (empty: none), and whether a control shows
    // other than it did then (without a file: other than at start-up).
    QString fileName() const { return m_fileName; }
    bool changed();

    // Empty when done; otherwise why not, and nothing has changed.
    QString open(const QString &fileName);
    QString save(const QString &fileName);
    // As the File menu does: a file that cannot be opened or saved is reported on the main sheet.
    void openFile(const QString &fileName);
    bool saveFile(const QString &fileName);

    // The File menu: Open, Save and Save As; false when nothing was saved.
    void openChosen();
    bool saveCurrent();
    bool saveAs();
    // Whether what was typed may go: unchanged, discarded or saved after asking. Only when a
    // file was opened or saved in the run unless `evenWithoutFile`.
    bool mayLeave(bool evenWithoutFile);

    // Which file a return is opened from or saved to (empty: cancelled), and what to do with a
    // changed return; tests put their own in place.
    enum class Answer { Save, Discard, Cancel };
    std::function<QString(QWidget *parent, bool saving, const QString &suggested)> chooseFile;
    std::function<Answer(QWidget *parent, const QString &question)> askToSave;

private:
    // Where the file dialogs start: the open return's folder, else the home folder.
    QDir folder() const;

    Windows &m_windows;
    QString m_fileName;
    sheetlist::Sheets m_saved; // as the file was opened or saved
};

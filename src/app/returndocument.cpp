#include "app/returndocument.h"

#include "app/returnfile.h"
#include "app/windows.h"
#include "fields/messages.h"
#include "sheets/main/mainsheet.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

ReturnDocument::ReturnDocument(Windows &windows)
    : chooseFile([](QWidget *parent, bool saving, const QString &suggested) {
        const QString filter = QStringLiteral("Morvel returns (*.morvel)");
        QString name = saving ? QFileDialog::getSaveFileName(parent, QStringLiteral("Save Return"), suggested, filter)
                              : QFileDialog::getOpenFileName(parent, QStringLiteral("Open Return"), suggested, filter);
        if (saving && !name.isEmpty() && !name.endsWith(QLatin1String(".morvel"), Qt::CaseInsensitive))
            name += QStringLiteral(".morvel");
        return name;
    })
    , askToSave([](QWidget *parent, const QString &question) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(fields::kApplicationTitle), question,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = box.exec();
        return answer == QMessageBox::Save ? Answer::Save
            : answer == QMessageBox::Discard ? Answer::Discard : Answer::Cancel;
    })
    , m_windows(windows)
{
}

bool ReturnDocument::changed()
{
    const sheetlist::Sheets now = m_windows.sheets();
    if (!m_fileName.isEmpty())
        return now != m_saved;
    for (auto sheet = now.begin(); sheet != now.end(); ++sheet)
        if (*sheet != sheetlist::named(sheet.key())->startUp)
            return true;
    return false;
}

QString ReturnDocument::open(const QString &fileName)
{
    auto loaded = returnfile::load(fileName);
    if (const QString *why = std::get_if<QString>(&loaded))
        return *why;
    m_windows.show(std::get<sheetlist::Sheets>(loaded));
    m_fileName = fileName;
    m_saved = m_windows.sheets();
    return {};
}

QString ReturnDocument::save(const QString &fileName)
{
    const sheetlist::Sheets now = m_windows.sheets();
    if (const QString why = returnfile::save(fileName, now); !why.isEmpty())
        return why;
    m_fileName = fileName;
    m_saved = now;
    return {};
}

void ReturnDocument::openFile(const QString &fileName)
{
    MainSheet *main = m_windows.main();
    if (const QString why = open(fileName); !why.isEmpty())
        fields::showMessage(main, QStringLiteral("The return \"%1\" was not opened: %2.")
                                      .arg(QDir::toNativeSeparators(fileName), why));
    else
        main->showReturnFile(fileName);
}

bool ReturnDocument::saveFile(const QString &fileName)
{
    MainSheet *main = m_windows.main();
    if (const QString why = save(fileName); !why.isEmpty()) {
        fields::showMessage(main,
            QStringLiteral("The return was not saved in \"%1\": %2. A file that was there stays as it was.")
                .arg(QDir::toNativeSeparators(fileName), why));
        return false;
    }
    main->showReturnFile(fileName);
    return true;
}

bool ReturnDocument::mayLeave(bool evenWithoutFile)
{
    if ((m_fileName.isEmpty() && !evenWithoutFile) || !changed())
        return true;
    const QString question = m_fileName.isEmpty()
        ? QStringLiteral("What was typed is in no file. Save it?")
        : QStringLiteral("The return \"%1\" has changed since it was opened or saved. Save the changes?")
              .arg(QFileInfo(m_fileName).fileName());
    switch (askToSave(m_windows.main(), question)) {
    case Answer::Save:
        return saveCurrent();
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void ReturnDocument::openChosen()
{
    if (!mayLeave(true))
        return;
    const QString fileName = chooseFile(m_windows.main(), false, folder().path());
    if (!fileName.isEmpty())
        openFile(fileName);
}

bool ReturnDocument::saveCurrent()
{
    return m_fileName.isEmpty() ? saveAs() : saveFile(m_fileName);
}

bool ReturnDocument::saveAs()
{
    // A name such as "Ram S/O Shyam" names a file, not a folder.
    QString name = m_windows.main()->record<records::MainRecord>().txtname.trimmed().replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString fileName = chooseFile(
        m_windows.main(), true, folder().filePath((name.isEmpty() ? QStringLiteral("return") : name) + ".morvel"));
    return !fileName.isEmpty() && saveFile(fileName);
}

QDir ReturnDocument::folder() const
{
    return m_fileName.isEmpty() ? QDir::home() : QFileInfo(m_fileName).dir();
}

#include "app/returnfile.h"

#include "app/returnformat.h"

#include <QFile>
#include <QSaveFile>

namespace returnfile {

std::variant<sheetlist::Sheets, QString> load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    auto read = returnformat::read(file.read(returnformat::kLargestFile + 1), sheetlist::names());
    auto *sheets = std::get_if<sheetlist::Sheets>(&read);
    if (!sheets)
        return std::get<QString>(read);
    for (const sheetlist::Sheet &sheet : sheetlist::all()) {
        if (!sheets->contains(sheet.name))
            continue;
        auto complete = sheet.complete(sheets->value(sheet.name));
        if (const QString *why = std::get_if<QString>(&complete))
            return *why;
        (*sheets)[sheet.name] = std::get<records::Controls>(complete);
    }
    // The main sheet is always there: as at start-up where the file says nothing of it.
    if (!sheets->contains("frmmain"))
        sheets->insert("frmmain", sheetlist::all().first().startUp);
    // Returns of before the main sheet had the PAN kept it on the relief sheet only.
    records::Controls &main = (*sheets)["frmmain"];
    if (main.value("txtpan").isEmpty() && sheets->contains("frmrel89"))
        main["txtpan"] = sheets->value("frmrel89").value("txtpan");
    return *sheets;
}

QString save(const QString &fileName, const sheetlist::Sheets &sheets)
{
    const QByteArray bytes = returnformat::write(sheets);
    QSaveFile file(fileName);
    // Unbuffered, so that a disk that fills up shows in what write() returns: a buffered
    // QSaveFile commits (and reports success) after a flush that wrote only part of the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit())
        return file.error() == QFileDevice::NoError ? QStringLiteral("the disk is full") : file.errorString();
    return {};
}

} // namespace returnfile

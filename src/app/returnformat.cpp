#include "app/returnformat.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace returnformat {

QByteArray write(const Sheets &sheets)
{
    QJsonObject all;
    for (auto sheet = sheets.begin(); sheet != sheets.end(); ++sheet) {
        QJsonObject controls;
        for (auto control = sheet->begin(); control != sheet->end(); ++control)
            controls.insert(control.key(), control.value());
        all.insert(sheet.key(), controls);
    }
    const QJsonObject root { { "format", kFormat }, { "version", kVersion }, { "year", kYear },
        { "sheets", all } };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<Sheets, QString> read(const QByteArray &bytes, const QStringList &sheetNames)
{
    if (bytes.size() > kLargestFile)
        return QStringLiteral("it is larger than 1 MiB");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("it is not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset);
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("format") != QLatin1String(kFormat))
        return QStringLiteral("it is not a Morvel return (its \"format\" is not \"%1\")").arg(kFormat);
    const QJsonValue version = root.value("version");
    if (!version.isDouble() || version.toDouble() < kVersion || version.toDouble() != version.toInt())
        return QStringLiteral("its version is not one this program knows");
    if (version.toInt() > kVersion)
        return QStringLiteral("a later version of Morvel wrote it (file version %1)").arg(version.toInt());
    if (root.value("year") != QLatin1String(kYear))
        return QStringLiteral("it is not a return of the year %1").arg(kYear);
    if (!root.value("sheets").isObject())
        return QStringLiteral("it holds no \"sheets\"");

    Sheets sheets;
    const QJsonObject all = root.value("sheets").toObject();
    for (auto sheet = all.begin(); sheet != all.end(); ++sheet) {
        if (!sheetNames.contains(sheet.key()))
            return QStringLiteral("it holds a sheet this program does not have, \"%1\"").arg(sheet.key());
        if (!sheet->isObject())
            return QStringLiteral("the sheet \"%1\" is not a set of controls").arg(sheet.key());
        Controls &controls = sheets[sheet.key()];
        const QJsonObject values = sheet->toObject();
        for (auto control = values.begin(); control != values.end(); ++control) {
            const QString where = QStringLiteral("\"%1\" on the sheet \"%2\"").arg(control.key(), sheet.key());
            if (!control->isString())
                return QStringLiteral("the value of %1 is not a text").arg(where);
            if (control->toString().size() > kLongestText)
                return QStringLiteral("the text of %1 is longer than %2 characters").arg(where).arg(kLongestText);
            controls.insert(control.key(), control->toString());
        }
    }
    return sheets;
}

} // namespace returnformat

#include "print/cupsqueue.h"

#include <QLibrary>

namespace print::cups {
namespace {

// The few libcups declarations used here, as cups.h and ipp.h publish them.
struct cups_option_t
{
    char *name;
    char *value;
};
struct cups_dest_t
{
    char *name;
    char *instance;
    int is_default;
    int num_options;
    cups_option_t *options;
};
using GetNamedDest = cups_dest_t *(*)(void *http, const char *name, const char *instance);
using GetOption = const char *(*)(const char *name, int num_options, cups_option_t *options);
using FreeDests = void (*)(int num_dests, cups_dest_t *dests);
using LastError = int (*)();
using LastErrorString = const char *(*)();

constexpr int kFirstIppError = 0x0400; // client-error-bad-request; below are successes

struct Library
{
    GetNamedDest getNamedDest = nullptr;
    GetOption getOption = nullptr;
    FreeDests freeDests = nullptr;
    LastError lastError = nullptr;
    LastErrorString lastErrorString = nullptr;

    Library()
    {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return;
        getNamedDest = reinterpret_cast<GetNamedDest>(library.resolve("cupsGetNamedDest"));
        getOption = reinterpret_cast<GetOption>(library.resolve("cupsGetOption"));
        freeDests = reinterpret_cast<FreeDests>(library.resolve("cupsFreeDests"));
        lastError = reinterpret_cast<LastError>(library.resolve("cupsLastError"));
        lastErrorString = reinterpret_cast<LastErrorString>(library.resolve("cupsLastErrorString"));
        // The library stays loaded for the run: QLibrary does not unload on destruction.
    }
};

const Library &library()
{
    static const Library instance;
    return instance;
}

} // namespace

std::optional<bool> acceptsJobs(const QString &printerName)
{
    const Library &cups = library();
    if (!cups.getNamedDest || !cups.getOption || !cups.freeDests || printerName.isEmpty())
        return std::nullopt;
    const qsizetype slash = printerName.indexOf(u'/');
    const QByteArray name = printerName.left(slash < 0 ? printerName.size() : slash).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printerName.mid(slash + 1).toLocal8Bit();
    cups_dest_t *dest = cups.getNamedDest(
        nullptr, name.constData(), instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return std::nullopt;
    std::optional<bool> accepting;
    if (const char *value
        = cups.getOption("printer-is-accepting-jobs", dest->num_options, dest->options))
        accepting = qstrcmp(value, "false") != 0;
    cups.freeDests(1, dest);
    return accepting;
}

QString lastRequestError()
{
    const Library &cups = library();
    if (!cups.lastError || cups.lastError() < kFirstIppError)
        return {};
    if (cups.lastErrorString)
        if (const char *text = cups.lastErrorString())
            return QString::fromLocal8Bit(text);
    return QStringLiteral("error %1").arg(cups.lastError(), 4, 16, QLatin1Char('0'));
}

} // namespace print::cups

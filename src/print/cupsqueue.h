// What the CUPS scheduler itself says about a queue and about the last job handed to it.
// Qt's printing takes the queue's word for nothing: a queue that rejects jobs refuses the
// job Qt submits and Qt still reports success. libcups is loaded at run time (it is there
// whenever Qt prints through CUPS), so building needs no CUPS headers.
#pragma once

#include <QString>
#include <optional>

namespace print::cups {

// Whether the queue (name, or name/instance) accepts jobs; nullopt when CUPS cannot say.
std::optional<bool> acceptsJobs(const QString &printerName);

// The CUPS status of the last request this thread made, when it was an error: its text.
// Empty when the last request succeeded or CUPS is not available.
QString lastRequestError();

} // namespace print::cups

#pragma once
#include "model/Status.h"
#include "shell/TVersionInfo.h"
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QUrl>
#include <optional>

class SettingsStore;

// What "CurrentVersion.xml" of the install folder records as installed.
struct InstalledVersions
{
    // 0.0.0 when the record has no "ProgramRelease".
    TVersionInfo program;
    QList<TVersionInfo> helps;
    QList<TVersionInfo> palettes;
};

// The rules of the update check, apart from the network: reading the server's list of
// installers and the record of installed items, choosing the offer, the address of the
// information page and when the next automatic check is due.
//
// The server's list comes from outside, so it is read from memory only and refused whole, with
// the reason, when it is not the small plain list the check expects.
namespace UpdateCheck {
// Limits of a list the check accepts; the real list holds a handful of installers.
inline constexpr int kMaxInstallers = 1000;
inline constexpr int kMaxVersionNumber = 65535;
inline constexpr int kMaxAttributeLength = 2048;

// The name every offered installer is shown with.
QString productName();
// The settings "UpdateURL" and "UpdateInfoURL" (group 5/General): a missing value means the
// default, an empty one turns the check or the page off.
QString serverListAddress(SettingsStore& store);
QString infoPageAddress(SettingsStore& store);

// The installers of a server list, in document order.
std::optional<QList<TVersionInfo>> readServerList(const QByteArray& bytes, Status* status = nullptr);
// The record of installed items ("Helps" and "Palettes" required, "ProgramRelease" optional).
std::optional<InstalledVersions> readInstalled(const QByteArray& bytes, Status* status = nullptr);
std::optional<InstalledVersions> loadInstalled(const QString& fileName, Status* status = nullptr);

// The installer to offer: one of the installed major version that is newer; of several, the
// last in the list (not the highest).
std::optional<TVersionInfo> candidate(const TVersionInfo& installed, const QList<TVersionInfo>& installers);

// The information page for the installed version and the language file ("english.lang").
QUrl infoPageUrl(const QString& pageAddress, const QString& languageFile, const TVersionInfo& installed);

// When the next automatic check is due after one that downloaded the list: a calendar month
// later, the day clamped to that month's length.
QDateTime nextDue(const QDateTime& checked);
void moveDueDate(SettingsStore& store, const QDateTime& checked);

// "X.Y.Z" with three whole numbers from 0 to kMaxVersionNumber.
std::optional<TVersionInfo> parseVersion(const QString& text);
} // namespace UpdateCheck

// The update server's list of installers, read from memory as the update check reads the answer,
// and the offer chosen from it for a few installed versions. A list that is read must keep every
// limit the reader promises, and an offer must be a newer release of the installed major version.
#include "FuzzSupport.h"
#include "shell/UpdateCheck.h"

namespace {
void checkInstaller(const TVersionInfo& v)
{
    for (int n : {v.Major, v.Minor, v.Release}) {
        if (n < 0 || n > UpdateCheck::kMaxVersionNumber)
            FuzzSupport::fail("a version number beyond the limit was read", v.version());
    }
    if (v.URL.size() > UpdateCheck::kMaxAttributeLength || v.Filename.size() > UpdateCheck::kMaxAttributeLength)
        FuzzSupport::fail("an attribute beyond the length limit was read");
}

void checkOffer(const TVersionInfo& installed, const QList<TVersionInfo>& installers)
{
    const std::optional<TVersionInfo> offer = UpdateCheck::candidate(installed, installers);
    if (!offer)
        return;
    const bool newer = offer->Minor > installed.Minor || (offer->Minor == installed.Minor && offer->Release > installed.Release);
    if (offer->Major != installed.Major || offer->Major < 1 || !newer)
        FuzzSupport::fail("an installer that is not a newer release was offered", offer->version());
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Status status;
    const std::optional<QList<TVersionInfo>> installers = UpdateCheck::readServerList(FuzzSupport::bytes(data, size), &status);
    if (!installers) {
        if (status.isOk() || status.text().isEmpty())
            FuzzSupport::fail("a list was refused without a reason");
        return 0;
    }
    if (installers->size() > UpdateCheck::kMaxInstallers)
        FuzzSupport::fail("more installers than the limit were read");
    for (const TVersionInfo& v : *installers)
        checkInstaller(v);
    for (const char* installed : {"0.0.0", "5.0.0", "5.2.3", "65535.65535.65535"})
        checkOffer(*UpdateCheck::parseVersion(QLatin1String(installed)), *installers);
    return 0;
}

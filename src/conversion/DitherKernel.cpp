#include "conversion/DitherKernel.h"
#include <array>

namespace {
const DitherKernel kNone{1, {}};
const DitherKernel kFloydSteinberg{16, {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}};
const DitherKernel kJarvisJudiceNinke{48,
    {{1, 0, 7}, {2, 0, 5},
        {-2, 1, 3}, {-1, 1, 5}, {0, 1, 7}, {1, 1, 5}, {2, 1, 3},
        {-2, 2, 1}, {-1, 2, 3}, {0, 2, 5}, {1, 2, 3}, {2, 2, 1}}};
const DitherKernel kStucki{42,
    {{1, 0, 8}, {2, 0, 4},
        {-2, 1, 2}, {-1, 1, 4}, {0, 1, 8}, {1, 1, 4}, {2, 1, 2},
        {-2, 2, 1}, {-1, 2, 2}, {0, 2, 4}, {1, 2, 2}, {2, 2, 1}}};
const DitherKernel kSierraLite{4, {{1, 0, 2}, {-1, 1, 1}, {0, 1, 1}}};

constexpr std::array<const char*, 5> kNames = {
    "none", "floyd-steinberg", "jarvis-judice-ninke", "stucki", "sierra-lite"};
} // namespace

const DitherKernel& DitherKernel::of(DitherMethod method)
{
    switch (method) {
    case DitherMethod::FloydSteinberg:
        return kFloydSteinberg;
    case DitherMethod::JarvisJudiceNinke:
        return kJarvisJudiceNinke;
    case DitherMethod::Stucki:
        return kStucki;
    case DitherMethod::SierraLite:
        return kSierraLite;
    case DitherMethod::None:
        break;
    }
    return kNone;
}

bool DitherKernel::fromName(const QString& name, DitherMethod* method)
{
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (name == QLatin1String(kNames[i])) {
            *method = DitherMethod(i);
            return true;
        }
    }
    return false;
}

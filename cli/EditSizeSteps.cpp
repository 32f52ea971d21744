#include "EditSizeSteps.h"
#include "EditState.h"
#include "editing/HistoryFactories.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
#include <QRegularExpression>

using EditSteps::Action;
using EditSteps::Failure;

namespace {
constexpr int kMaxAmount = 32767;
}

std::optional<Action> EditSizeSteps::parseInsert(const QString& argument, QString* error)
{
    static const QRegularExpression pattern(QStringLiteral("^(columns|rows) (\\d{1,5})$"));
    const QRegularExpressionMatch m = pattern.match(argument);
    const int amount = m.hasMatch() ? m.captured(2).toInt() : 0;
    if (amount < 1 || amount > kMaxAmount) {
        *error = QStringLiteral("takes columns or rows and an amount from 1 to %1").arg(kMaxAmount);
        return std::nullopt;
    }
    const TInsertType type = m.captured(1) == QLatin1String("columns") ? itColumn : itRow;
    return Action([type, amount](EditState& state) -> Failure {
        state.armInsert(type, amount);
        return std::nullopt;
    });
}

std::optional<Action> EditSizeSteps::parseResize(const QString& argument, QString* error)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6}) (\\d{1,6})$"));
    const QRegularExpressionMatch m = pattern.match(argument);
    if (!m.hasMatch()) {
        *error = QStringLiteral("takes a width and a height");
        return std::nullopt;
    }
    return Action([width = m.captured(1).toInt(), height = m.captured(2).toInt()](EditState& state) -> Failure {
        state.finishGesture();
        Design& d = state.design();
        if (!DesignLimits::sizeAllowed(width, height))
            return DesignLimits::refusal().text();
        HistoryFactories::actionChangeDimensions(d, width, height);
        return std::nullopt;
    });
}

#include "SelectionSteps.h"
#include "EditState.h"
#include "model/Design.h"
#include <QRegularExpression>

namespace {
using EditSteps::Action;
using EditSteps::Failure;

QSize designSize(EditState& state)
{
    return QSize(state.design().width(), state.design().height());
}

std::optional<QList<int>> numbers(const QString& text, int count)
{
    const QStringList parts = text.split(QLatin1Char(','));
    static const QRegularExpression number(QStringLiteral("^-?\\d{1,6}$"));
    if (parts.size() != count)
        return std::nullopt;
    QList<int> values;
    for (const QString& part : parts) {
        if (!number.match(part).hasMatch())
            return std::nullopt;
        values << part.toInt();
    }
    return values;
}

// A step without an argument that needs the selection mode, and floating content when
// `floating` is set, as the window's command is enabled.
template <typename Run>
std::optional<Action> selectionStep(const QString& argument, QString* error, bool floating, Run run)
{
    if (!argument.isEmpty()) {
        *error = QStringLiteral("takes no argument");
        return std::nullopt;
    }
    return Action([floating, run](EditState& state) -> Failure {
        if (state.mode() != modSelection)
            return QStringLiteral("needs the selection (use select first)");
        if (floating && !state.selection.floating())
            return QStringLiteral("needs pasted content (use paste first)");
        run(state);
        return std::nullopt;
    });
}
} // namespace

std::optional<Action> SelectionSteps::parseSelect(const QString& argument, QString* error)
{
    const auto v = numbers(argument, 4);
    if (!v) {
        *error = QStringLiteral("takes the cells L,T,R,B (right and bottom exclusive)");
        return std::nullopt;
    }
    const TRect target{(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
    return Action([target](EditState& state) -> Failure {
        state.finishGesture();
        state.enterMode(modSelection);
        // The bottom-right corner first, so that a top-left beyond the first frame is reachable.
        state.selection.resize(dkBottomRight, target, designSize(state));
        state.selection.resize(dkTopLeft, target, designSize(state));
        state.selection.resize(dkBottomRight, target, designSize(state));
        return std::nullopt;
    });
}

std::optional<Action> SelectionSteps::parseMoveTo(const QString& argument, QString* error)
{
    const auto v = numbers(argument, 2);
    if (!v) {
        *error = QStringLiteral("takes a cell X,Y");
        return std::nullopt;
    }
    const TRect to{(*v)[0], (*v)[1], 0, 0};
    return Action([to](EditState& state) -> Failure {
        if (state.mode() != modSelection)
            return QStringLiteral("needs the selection (use select first)");
        state.selection.resize(dkMove, to, designSize(state));
        return std::nullopt;
    });
}

std::optional<Action> SelectionSteps::parseCopy(const QString& argument, QString* error)
{
    return selectionStep(argument, error, false, [](EditState& s) { s.selection.Copy(s.design(), true); });
}

std::optional<Action> SelectionSteps::parseCut(const QString& argument, QString* error)
{
    return selectionStep(argument, error, false, [](EditState& s) { s.selection.Cut(s.design(), true); });
}

std::optional<Action> SelectionSteps::parsePaste(const QString& argument, QString* error)
{
    if (!argument.isEmpty()) {
        *error = QStringLiteral("takes no argument");
        return std::nullopt;
    }
    return Action([](EditState& state) -> Failure {
        if (!state.selection.canPaste())
            return QStringLiteral("there is nothing to paste (use copy or cut first)");
        state.finishGesture();
        state.enterMode(modSelection);
        state.selection.Paste(QPoint(0, 0));
        return std::nullopt;
    });
}

std::optional<Action> SelectionSteps::parseMerge(const QString& argument, QString* error)
{
    return selectionStep(argument, error, true, [](EditState& s) { s.selection.Merge(s.design()); });
}

std::optional<Action> SelectionSteps::parseRotateRight(const QString& argument, QString* error)
{
    return selectionStep(argument, error, true, [](EditState& s) { s.selection.RotateRight(); });
}

std::optional<Action> SelectionSteps::parseRotateLeft(const QString& argument, QString* error)
{
    return selectionStep(argument, error, true, [](EditState& s) { s.selection.RotateLeft(); });
}

std::optional<Action> SelectionSteps::parseMirrorH(const QString& argument, QString* error)
{
    return selectionStep(argument, error, true, [](EditState& s) { s.selection.MirrorHorizontal(); });
}

std::optional<Action> SelectionSteps::parseMirrorV(const QString& argument, QString* error)
{
    return selectionStep(argument, error, true, [](EditState& s) { s.selection.MirrorVertical(); });
}

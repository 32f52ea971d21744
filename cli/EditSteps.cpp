#include "EditSteps.h"
#include "EditState.h"
#include "editing/tools/Tool.h"
#include "model/Design.h"
#include <QRegularExpression>

namespace {
using EditSteps::Action;
using EditSteps::Failure;

struct ModeName
{
    const char* name;
    TMode mode;
};

const ModeName kModes[] = {
    {"draw", modDraw},
    {"quarter", modQDraw},
    {"erase", modErase},
    {"pipette", modPipette},
    {"replace", modReplaceColor},
    {"fill", modFill},
    {"line", modLine},
    {"rectangle", modRectangle},
    {"circle", modCircle},
    {"outline", modOutline},
    {"inline-border", modInlineBorder},
    {"outline-border", modOutlineBorder},
    {"backstitch", modBackStitch},
    {"knot", modFrenchKnot},
    {"rhode", modRhode},
};

std::optional<QPoint> position(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(-?\\d{1,6}),(-?\\d{1,6})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return QPoint(m.captured(1).toInt(), m.captured(2).toInt());
}

// A step without an argument.
std::optional<Action> bare(const QString& argument, QString* error, Action action)
{
    if (!argument.isEmpty()) {
        *error = QStringLiteral("takes no argument");
        return std::nullopt;
    }
    return action;
}

// One of `choices`, handed to `make` by its position in the list.
template <typename Make>
std::optional<Action> choice(const QString& argument, const QStringList& choices, QString* error, Make make)
{
    const int index = int(choices.indexOf(argument));
    if (index < 0) {
        *error = QStringLiteral("takes %1").arg(choices.join(QLatin1Char('|')));
        return std::nullopt;
    }
    return make(index);
}

// A pointer step at a position of the current tool's grid.
template <typename Send>
std::optional<Action> pointer(const QString& argument, QString* error, Send send)
{
    const std::optional<QPoint> at = position(argument);
    if (!at) {
        *error = QStringLiteral("takes a position X,Y");
        return std::nullopt;
    }
    return Action([at = *at, send](EditState& state) -> Failure {
        if (Tool* tool = state.tool()) {
            ToolContext context = state.context();
            send(*tool, context, state.pointerAt(at));
        }
        return std::nullopt;
    });
}

std::optional<Action> parseMode(const QString& argument, QString* error)
{
    for (const ModeName& m : kModes) {
        if (argument == QLatin1String(m.name)) {
            return Action([mode = m.mode](EditState& state) -> Failure {
                state.enterMode(mode);
                return std::nullopt;
            });
        }
    }
    QStringList names;
    for (const ModeName& m : kModes)
        names << QLatin1String(m.name);
    *error = QStringLiteral("takes one of %1").arg(names.join(QStringLiteral(", ")));
    return std::nullopt;
}

std::optional<Action> parseColor(const QString& argument, QString* error)
{
    if (argument.isEmpty() || argument.contains(QLatin1Char(' '))) {
        *error = QStringLiteral("takes the manufacturer's number of a colour");
        return std::nullopt;
    }
    return Action([argument](EditState& state) -> Failure {
        TStitch& doc = state.design().stitch;
        for (const auto& [color, info] : doc.Colors) {
            if (info.colorID.compare(argument, Qt::CaseInsensitive) == 0) {
                doc.setDrawcolor(color);
                return std::nullopt;
            }
        }
        return QStringLiteral("the palette \"%1\" has no colour %2").arg(doc.colorsname(), argument);
    });
}

std::optional<Action> parsePen(const QString& argument, QString* error)
{
    return choice(argument, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}, error,
        [](int index) {
            return Action([size = index + 1](EditState& state) -> Failure {
                state.design().stitch.setPensize(size);
                return std::nullopt;
            });
        });
}

std::optional<Action> parseFillMode(const QString& argument, QString* error)
{
    return choice(argument, {QStringLiteral("full"), QStringLiteral("none")}, error, [](int index) {
        return Action([mode = index == 0 ? fillFull : fillNone](EditState& state) -> Failure {
            state.fillMode = mode;
            return std::nullopt;
        });
    });
}

std::optional<Action> parseCorner(const QString& argument, QString* error)
{
    return choice(argument, {QStringLiteral("round"), QStringLiteral("sharp")}, error, [](int index) {
        return Action([round = index == 0](EditState& state) -> Failure {
            state.roundCorners = round;
            return std::nullopt;
        });
    });
}

std::optional<Action> parseClick(const QString& argument, QString* error)
{
    return pointer(argument, error, [](Tool& tool, ToolContext& context, const ToolPointer& at) {
        tool.press(context, at);
        tool.release(context, at);
    });
}

std::optional<Action> parsePress(const QString& argument, QString* error)
{
    return pointer(argument, error, [](Tool& tool, ToolContext& context, const ToolPointer& at) { tool.press(context, at); });
}

std::optional<Action> parseMove(const QString& argument, QString* error)
{
    return pointer(argument, error, [](Tool& tool, ToolContext& context, const ToolPointer& at) { tool.move(context, at); });
}

std::optional<Action> parseRelease(const QString& argument, QString* error)
{
    return pointer(argument, error, [](Tool& tool, ToolContext& context, const ToolPointer& at) { tool.release(context, at); });
}

std::optional<Action> parseKey(const QString& argument, QString* error)
{
    return choice(argument, {QStringLiteral("esc"), QStringLiteral("enter")}, error, [](int index) {
        return Action([escape = index == 0](EditState& state) -> Failure {
            Tool* tool = state.tool();
            if (escape && tool && tool->cancelsOnEscape())
                state.finishGesture();
            return std::nullopt;
        });
    });
}

std::optional<Action> parseUndo(const QString& argument, QString* error)
{
    return bare(argument, error, [](EditState& state) -> Failure {
        state.finishGesture();
        if (!state.design().History.canUndo())
            return QStringLiteral("there is nothing to undo");
        state.design().History.Undo();
        return std::nullopt;
    });
}

std::optional<Action> parseRedo(const QString& argument, QString* error)
{
    return bare(argument, error, [](EditState& state) -> Failure {
        state.finishGesture();
        if (!state.design().History.canRedo())
            return QStringLiteral("there is nothing to redo");
        state.design().History.Redo();
        return std::nullopt;
    });
}
} // namespace

const std::vector<EditSteps::Verb>& EditSteps::verbs()
{
    static const std::vector<Verb> table = {
        {"mode", "NAME", parseMode},
        {"color", "ID", parseColor},
        {"pen", "1..4", parsePen},
        {"fill-mode", "full|none", parseFillMode},
        {"corner", "round|sharp", parseCorner},
        {"click", "X,Y", parseClick},
        {"press", "X,Y", parsePress},
        {"move", "X,Y", parseMove},
        {"release", "X,Y", parseRelease},
        {"key", "esc|enter", parseKey},
        {"undo", "", parseUndo},
        {"redo", "", parseRedo},
    };
    return table;
}

std::optional<std::vector<EditSteps::Action>> EditSteps::parse(const QStringList& steps, QString* error)
{
    std::vector<Action> actions;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString step = steps[i].trimmed();
        const qsizetype space = step.indexOf(QLatin1Char(' '));
        const QString verb = step.left(space);
        const QString argument = space < 0 ? QString() : step.mid(space + 1).trimmed();
        const auto row = std::find_if(verbs().begin(), verbs().end(),
            [&](const Verb& v) { return verb == QLatin1String(v.name); });
        QString problem;
        std::optional<Action> action;
        if (row == verbs().end())
            problem = QStringLiteral("unknown step \"%1\"").arg(verb);
        else if (!(action = row->parse(argument, &problem)))
            problem = QStringLiteral("%1 %2").arg(verb, problem);
        if (!action) {
            *error = QStringLiteral("step %1 (\"%2\"): %3").arg(i + 1).arg(steps[i], problem);
            return std::nullopt;
        }
        actions.push_back(std::move(*action));
    }
    return actions;
}

bool EditSteps::run(EditState& state, const std::vector<Action>& actions, QString* error)
{
    for (size_t i = 0; i < actions.size(); ++i) {
        if (const Failure failure = actions[i](state)) {
            *error = QStringLiteral("step %1: %2").arg(i + 1).arg(*failure);
            return false;
        }
    }
    state.finishGesture();
    return true;
}

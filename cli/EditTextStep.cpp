#include "EditTextStep.h"
#include "EditState.h"
#include "editing/TextPlacement.h"
#include "editing/TextStitches.h"
#include "model/Design.h"
#include <QFont>
#include <QFontInfo>

using EditSteps::Action;
using EditSteps::Failure;

namespace {
struct TextChoice
{
    QString text;
    QString family;
    int points = 10;
    TextStitches::Style style = TextStitches::styleBold;
    bool enlarge = true;
};

// Words separated by blanks; a word in double quotes may hold blanks and \" for a quote. An
// unterminated quote gives nothing.
std::optional<QStringList> words(const QString& argument)
{
    QStringList result;
    int i = 0;
    while (i < argument.size()) {
        if (argument[i] == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        QString word;
        if (argument[i] != QLatin1Char('"')) {
            while (i < argument.size() && argument[i] != QLatin1Char(' '))
                word += argument[i++];
        } else {
            ++i;
            while (i < argument.size() && argument[i] != QLatin1Char('"')) {
                if (argument[i] == QLatin1Char('\\') && i + 1 < argument.size() && argument[i + 1] == QLatin1Char('"'))
                    ++i;
                word += argument[i++];
            }
            if (i == argument.size())
                return std::nullopt;
            ++i;
        }
        result << word;
    }
    return result;
}

std::optional<TextStitches::Style> styleFrom(const QString& word)
{
    static const QStringList names = {"regular", "bold", "italic", "bold-italic"};
    const int index = names.indexOf(word);
    if (index < 0)
        return std::nullopt;
    return TextStitches::Style(index);
}

// The options after the text, each a name and its value; false with the error on the first
// one that is unknown or has a bad value.
bool readOptions(const QStringList& w, TextChoice& choice, QString* error)
{
    for (int i = 1; i < w.size(); i += 2) {
        const QString& name = w[i];
        const QString value = i + 1 < w.size() ? w[i + 1] : QString();
        if (name == QLatin1String("font") && !value.isEmpty()) {
            choice.family = value;
        } else if (name == QLatin1String("size") && TextStitches::pointsFrom(value) > 0) {
            choice.points = TextStitches::pointsFrom(value);
        } else if (name == QLatin1String("style") && styleFrom(value)) {
            choice.style = *styleFrom(value);
        } else if (name == QLatin1String("enlarge") && (value == QLatin1String("on") || value == QLatin1String("off"))) {
            choice.enlarge = value == QLatin1String("on");
        } else {
            *error = QStringLiteral("takes \"TEXT\" [font FAMILY] [size %1-%2] [style regular|bold|italic|bold-italic] "
                                    "[enlarge on|off]")
                         .arg(TextStitches::kMinPoints)
                         .arg(TextStitches::kMaxPoints);
            return false;
        }
    }
    return true;
}

Failure place(EditState& state, const TextChoice& choice)
{
    Design& d = state.design();
    const TColorRef colour = d.stitch.drawcolor();
    if (!d.stitch.Colors.contains(colour))
        return QStringLiteral("the drawing colour is not one of the design's colours (use color first)");
    const QString family =
        choice.family.isEmpty() ? QFontInfo(QFont(QStringLiteral("Arial"))).family() : choice.family;
    const QImage mask = TextStitches::render(choice.text, family, choice.points, choice.style);
    if (mask.isNull())
        return QStringLiteral("the text gives no stitches");
    state.finishGesture();
    if (choice.enlarge) {
        const Status grown = TextPlacement::enlargeFor(d, mask.size());
        if (!grown)
            return grown.text();
    }
    TextPlacement::fillBuffer(state.selection.buffer(), mask, colour, d.stitch.BackGroundColor);
    state.enterMode(modSelection);
    state.selection.Paste(QPoint(0, 0));
    state.report << QStringLiteral("text %1 x %2").arg(mask.width()).arg(mask.height());
    return std::nullopt;
}
} // namespace

std::optional<Action> EditTextStep::parseText(const QString& argument, QString* error)
{
    const std::optional<QStringList> w = words(argument);
    TextChoice choice;
    if (!w || w->isEmpty() || w->first().isEmpty()) {
        *error = QStringLiteral("takes a text in double quotes");
        return std::nullopt;
    }
    choice.text = w->first();
    if (!readOptions(*w, choice, error))
        return std::nullopt;
    return Action([choice](EditState& state) { return place(state, choice); });
}

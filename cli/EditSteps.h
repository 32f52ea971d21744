#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class EditState;

// The steps of `threadwright-cli edit`, one argument each: a verb and its argument ("click 3,4").
// Every verb is one row of the table; a row parses its argument into the action to run, so a
// script is checked whole before the first step changes anything. An action feeds the tool
// objects exactly what the window would and holds no rules of its own.
namespace EditSteps {
// What running a step gave: nothing, or why it failed (exit 1).
using Failure = std::optional<QString>;
using Action = std::function<Failure(EditState&)>;

struct Verb
{
    const char* name;
    // What follows the verb, for messages ("X,Y", "full|none"); empty when nothing does.
    const char* argument;
    // The action, or nullopt with `error` set when the argument is malformed.
    std::optional<Action> (*parse)(const QString& argument, QString* error);
};

const std::vector<Verb>& verbs();

// The steps as actions; on a malformed step, nullopt and `error` naming its number (from 1).
std::optional<std::vector<Action>> parse(const QStringList& steps, QString* error);
// Runs the actions in order; on a failure, `error` names the step's number and nothing after
// it runs.
bool run(EditState& state, const std::vector<Action>& actions, QString* error);
} // namespace EditSteps

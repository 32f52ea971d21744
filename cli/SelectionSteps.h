#pragma once
#include "EditSteps.h"

// The selection's steps of `edit`: rows of EditSteps' verb table. Each does what the window's
// command of the same name does, and fails (exit 1) where the window's command is disabled.
namespace SelectionSteps {
// "select L,T,R,B": enters the selection mode and drags the frame's corners to the cells.
std::optional<EditSteps::Action> parseSelect(const QString& argument, QString* error);
// "move-to X,Y": drags the frame (and floating content) so that its top-left is on cell X,Y.
std::optional<EditSteps::Action> parseMoveTo(const QString& argument, QString* error);
std::optional<EditSteps::Action> parseCopy(const QString& argument, QString* error);
std::optional<EditSteps::Action> parseCut(const QString& argument, QString* error);
std::optional<EditSteps::Action> parsePaste(const QString& argument, QString* error);
std::optional<EditSteps::Action> parseMerge(const QString& argument, QString* error);
std::optional<EditSteps::Action> parseRotateRight(const QString& argument, QString* error);
std::optional<EditSteps::Action> parseRotateLeft(const QString& argument, QString* error);
std::optional<EditSteps::Action> parseMirrorH(const QString& argument, QString* error);
std::optional<EditSteps::Action> parseMirrorV(const QString& argument, QString* error);
} // namespace SelectionSteps

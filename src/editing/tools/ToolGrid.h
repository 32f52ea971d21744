#pragma once

// The grid a tool works in: whole cells, quarter cells, or the half-cell grid points where back
// stitches, knots and rhodes end.
enum class ToolGrid { cells, quarters, points };

#pragma once

class Design;

// The full recount of colour usage for records that rebuild the colour table while the design
// is being edited. It counts like ColorUsage::CalcColorUsage but weighs a french knot as the
// stitch primitives do (5, not 1): the records before and after it in the history add and take
// away 5 per knot, and a count made with the other weight would drift below zero when they do,
// leaving a colour in use without stitches. Which colours are in use is the same under both
// weights, so the transitions the recount runs do not change.
namespace EditingRecount {
void recount(Design& design);
} // namespace EditingRecount

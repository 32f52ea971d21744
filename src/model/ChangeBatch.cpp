#include "model/ChangeBatch.h"
#include "model/BatchingListener.h"
#include "model/Design.h"

ChangeBatch::ChangeBatch(Design& design)
    : m_design(design)
{
    m_design.stitch.batching().beginBatch();
}

ChangeBatch::~ChangeBatch()
{
    m_design.stitch.batching().endBatch();
}

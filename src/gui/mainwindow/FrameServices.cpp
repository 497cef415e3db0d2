#include "FrameServices.h"

static FrameServices *g_frame = nullptr;

FrameServices *TheFrame()
{
    return g_frame;
}

void SetTheFrame(FrameServices *frame)
{
    g_frame = frame;
}

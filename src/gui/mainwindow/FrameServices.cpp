#include "FrameServices.h"

static IFrameServices *g_frame = nullptr;

IFrameServices *TheFrame()
{
    return g_frame;
}

void SetTheFrame(IFrameServices *frame)
{
    g_frame = frame;
}

#include "FrameServices.h"

static FrameServices *g_frame = nullptr;

FrameServices *mainWindowServices()
{
    return g_frame;
}

void setMainWindowServices(FrameServices *frame)
{
    g_frame = frame;
}

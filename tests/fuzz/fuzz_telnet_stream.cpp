// What a network serial port's server sends, split into data and Telnet
// commands: any bytes, in any pieces, never read outside what came in, never
// make a subnegotiation grow without bound, and data escaped by this side
// comes back unchanged.
#include "FuzzInput.h"
#include "link/TelnetCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    telnet::Parser parser;
    while (!in.atEnd()) {
        parser.feed(in.bytes(in.byte() % 16 + 1));
        for (const telnet::Command &c : parser.takeCommands()) {
            if (c.payload.size() > 64)
                std::abort();
        }
    }
    const QByteArray plain(reinterpret_cast<const char *>(data), int(size));
    telnet::Parser fresh;
    if (fresh.feed(telnet::escape(plain)) != plain || !fresh.takeCommands().isEmpty())
        std::abort();
    return 0;
}

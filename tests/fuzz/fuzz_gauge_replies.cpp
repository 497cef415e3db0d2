// The judging of every gauge transaction over a byte stream that answers
// with the fuzzer's bytes: any reply, cut anywhere, longer than asked for or
// arriving in pieces, ends in 1 or 0 and never reads outside what came in.
#include "FuzzInput.h"
#include "FuzzWorkFolder.h"
#include "link/GaugePort.h"

#include <cstdlib>
#include <memory>

namespace {

// Each read hands out as many of the fuzzer's bytes as its next length byte
// says (at most what was asked for); bytes "already waiting" likewise.
class FuzzedStream : public ByteStream
{
public:
    explicit FuzzedStream(FuzzInput &in) : m_in(in) {}
    OpenStatus open(const QString &, const LineSettings &) override { return OpenStatus::Open; }
    bool isOpen() const override { return true; }
    void write(const QByteArray &) override {}
    QByteArray read(int count) override { return m_in.bytes(qMin<size_t>(m_in.byte(), size_t(count))); }
    QByteArray readWaiting() override { return m_in.bytes(m_in.byte() % 8); }
    void purge() override {}
    void close() override {}

private:
    FuzzInput &m_in;
};

void expectOutcome(int result)
{
    if (result != 0 && result != 1)
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_work_folder::path(); // the trace stays out of the way
    FuzzInput in(data, size);
    GaugePort port(std::make_unique<FuzzedStream>(in));
    while (!in.atEnd()) {
        switch (in.byte() % 13) {
        case 0: {
            GaugePort::Block block;
            expectOutcome(port.uploadFromGauge(block));
            break;
        }
        case 1: {
            GaugePort::Block block{};
            expectOutcome(port.downloadToGauge(block));
            break;
        }
        case 2: expectOutcome(port.startDownload()); break;
        case 3: expectOutcome(port.saveToNovolMemory()); break;
        case 4: expectOutcome(port.ping()); break;
        case 5: expectOutcome(port.pingChecked()); break;
        case 6: expectOutcome(port.login()); break;
        case 7: expectOutcome(port.serviceLogin()); break;
        case 8: {
            const int bank = in.byte();
            const int address = in.byte();
            uint8_t value = 0;
            expectOutcome(port.readRegister(bank, address, &value));
            break;
        }
        case 9: {
            const int bank = in.byte();
            const int address = in.byte();
            expectOutcome(port.writeRegister(bank, address, in.byte()));
            break;
        }
        case 10: {
            const uint8_t piece[gauge_protocol::MemoryPieceSize] = {};
            expectOutcome(port.writeMemory(in.byte(), piece));
            break;
        }
        default: expectOutcome(port.runSelfTestCommand(SelfTestCommand(in.byte() % 10))); break;
        }
    }
    return 0;
}

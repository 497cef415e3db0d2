#pragma once
// Takes typed values off the front of a fuzzer's input; past its end every
// value reads as zero, so a target can ask for what it needs whatever the
// input's length.
#include <QByteArray>
#include <cstdint>
#include <cstring>

class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool flag() { return byte() & 1; }
    template <typename T>
    T value()
    {
        T v{};
        const size_t n = m_pos + sizeof(T) <= m_size ? sizeof(T) : m_size - m_pos;
        std::memcpy(&v, m_data + m_pos, n);
        m_pos += n;
        return v;
    }
    // Up to n bytes.
    QByteArray bytes(size_t n)
    {
        const size_t take = n < m_size - m_pos ? n : m_size - m_pos;
        QByteArray b(reinterpret_cast<const char *>(m_data + m_pos), int(take));
        m_pos += take;
        return b;
    }
    QByteArray rest() { return bytes(m_size - m_pos); }
    bool atEnd() const { return m_pos >= m_size; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

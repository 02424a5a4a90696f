// SPDX-License-Identifier: MIT
#include "run_deflate.h"

#include <queue>

#include <algorithm>
#include <functional>

namespace morvane {

namespace {

constexpr unsigned kAdlerBase = 65521;
constexpr unsigned kEndOfBlock = 256;
// Lengths of copies: the first length of each symbol from 257 and its extra bits.
constexpr unsigned kLengthBase[29] = { 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35,
    43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258 };
constexpr unsigned kLengthExtra[29]
    = { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0 };
// Every copy reaches 3 bytes back, distance symbol 2.
constexpr unsigned kDistanceSymbol = 2;
// The order in which a block's header gives the lengths of the code-length code.
constexpr unsigned kCodeLengthOrder[19]
    = { 16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15 };

struct TCode
{
    std::uint32_t bits = 0; // reversed, as the stream sends Huffman codes
    unsigned length = 0;
};

// Huffman code lengths of at most `limit` bits for the symbols of nonzero frequency; where the
// best code is longer, frequencies are halved until it fits.
std::vector<unsigned> CodeLengths(std::vector<std::uint64_t> frequency, unsigned limit)
{
    std::vector<unsigned> lengths(frequency.size(), 0);
    for (;;) {
        using TItem = std::pair<std::uint64_t, std::size_t>;
        std::priority_queue<TItem, std::vector<TItem>, std::greater<>> queue;
        std::vector<std::size_t> parent(frequency.size(), 0);
        for (std::size_t s = 0; s < frequency.size(); ++s)
            if (frequency[s] > 0)
                queue.push({ frequency[s], s });
        if (queue.size() == 1) {
            lengths[queue.top().second] = 1;
            return lengths;
        }
        while (queue.size() > 1) {
            const TItem a = queue.top();
            queue.pop();
            const TItem b = queue.top();
            queue.pop();
            parent.push_back(0);
            parent[a.second] = parent[b.second] = parent.size() - 1;
            queue.push({ a.first + b.first, parent.size() - 1 });
        }
        const std::size_t root = parent.size() - 1;
        unsigned longest = 0;
        for (std::size_t s = 0; s < frequency.size(); ++s) {
            lengths[s] = 0;
            if (frequency[s] > 0)
                for (std::size_t n = s; n != root; n = parent[n])
                    ++lengths[s];
            longest = std::max(longest, lengths[s]);
        }
        if (longest <= limit)
            return lengths;
        for (std::uint64_t &f : frequency)
            if (f > 0)
                f = (f >> 1) | 1;
    }
}

// The canonical code of the given lengths.
std::vector<TCode> Codes(const std::vector<unsigned> &lengths)
{
    unsigned count[16] = {}, next[16] = {};
    for (unsigned l : lengths)
        if (l > 0)
            ++count[l];
    for (unsigned bits = 1, code = 0; bits < 16; ++bits) {
        code = (code + count[bits - 1]) << 1;
        next[bits] = code;
    }
    std::vector<TCode> codes(lengths.size());
    for (std::size_t s = 0; s < lengths.size(); ++s)
        if (const unsigned l = lengths[s]; l > 0) {
            const unsigned code = next[l]++;
            for (unsigned i = 0; i < l; ++i)
                codes[s].bits |= ((code >> i) & 1u) << (l - 1 - i);
            codes[s].length = l;
        }
    return codes;
}

} // namespace

TRunDeflater::TRunDeflater()
    : m_bytes { 0x78, 0x01 } // deflate, 32 KB window, no dictionary
{
}

void TRunDeflater::Bits(std::uint32_t bits, unsigned count)
{
    m_bitBuffer |= std::uint64_t(bits) << m_bitCount;
    m_bitCount += count;
    while (m_bitCount >= 8) {
        m_bytes.push_back(static_cast<unsigned char>(m_bitBuffer));
        m_bitBuffer >>= 8;
        m_bitCount -= 8;
    }
}

void TRunDeflater::Literal(unsigned byte)
{
    m_tokens.push_back(byte);
    ++m_frequency[byte];
    m_adlerA = (m_adlerA + byte) % kAdlerBase;
    m_adlerB = (m_adlerB + m_adlerA) % kAdlerBase;
}

// `count` pixels (r, g, b) following one of their own colour.
void TRunDeflater::Copies(unsigned r, unsigned g, unsigned b, std::uint64_t count)
{
    for (std::uint64_t left = 3 * count; left > 0;) {
        const auto length = unsigned(std::min<std::uint64_t>(left, 258)); // a multiple of 3
        unsigned i = 28;
        while (kLengthBase[i] > length)
            --i;
        m_tokens.push_back((257 + i) | (length - kLengthBase[i]) << 9);
        ++m_frequency[257 + i];
        left -= length;
    }
    // Each byte adds to the second sum the first one as it stands after the byte, so the j-th of
    // the n pixels from 0 adds r (3n - 3j) + g (3n - 3j - 1) + b (3n - 3j - 2) to it beyond 3n
    // times the first sum before the run; the terms in j sum to 3n (n + 1) / 2.
    const std::uint64_t n = count % kAdlerBase;
    const std::uint64_t weights = 3 * (count * (count + 1) / 2 % kAdlerBase) % kAdlerBase;
    m_adlerB = (m_adlerB + 3 * n % kAdlerBase * m_adlerA % kAdlerBase
                   + (r + g + b) * weights % kAdlerBase + kAdlerBase - (g + 2 * b) * n % kAdlerBase)
        % kAdlerBase;
    m_adlerA = (m_adlerA + (r + g + b) * n) % kAdlerBase;
}

void TRunDeflater::Row(const std::uint32_t *pixels, std::size_t width)
{
    Literal(0); // no filter
    const std::uint32_t *const end = pixels + width;
    for (const std::uint32_t *p = pixels; p != end;) {
        const std::uint32_t colour = *p;
        const std::uint32_t *q = p + 1;
        while (q != end && *q == colour)
            ++q;
        const unsigned r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
        std::uint64_t copies = std::uint64_t(q - p);
        if (p == pixels || p[-1] != colour) {
            Literal(r);
            Literal(g);
            Literal(b);
            --copies;
        }
        Copies(r, g, b, copies);
        p = q;
    }
}

void TRunDeflater::EndBlock()
{
    m_frequency[kEndOfBlock] = 1;
    const std::vector<unsigned> literalLengths
        = CodeLengths({ m_frequency.begin(), m_frequency.end() }, 15);
    const std::vector<TCode> literalCodes = Codes(literalLengths);
    std::size_t literals = 286;
    while (literalLengths[literals - 1] == 0)
        --literals;
    // One distance, coded in one bit.
    const std::vector<unsigned> distanceLengths { 0, 0, 1 };

    // The lengths of both codes, coded in turn with a code of their own.
    std::vector<unsigned> lengths(literalLengths.begin(), literalLengths.begin() + literals);
    lengths.insert(lengths.end(), distanceLengths.begin(), distanceLengths.end());
    std::vector<std::uint64_t> lengthFrequency(19, 0);
    for (unsigned l : lengths)
        ++lengthFrequency[l];
    // A code of one symbol must be given a second one to be complete.
    if (std::count(lengthFrequency.begin(), lengthFrequency.end(), 0u) == 18)
        ++lengthFrequency[lengthFrequency[0] > 0 ? 1 : 0];
    const std::vector<unsigned> lengthLengths = CodeLengths(lengthFrequency, 7);
    const std::vector<TCode> lengthCodes = Codes(lengthLengths);
    unsigned sent = 19;
    while (sent > 4 && lengthLengths[kCodeLengthOrder[sent - 1]] == 0)
        --sent;

    Bits(0b100, 3); // not the last block; dynamic codes
    Bits(unsigned(literals - 257), 5);
    Bits(unsigned(distanceLengths.size() - 1), 5);
    Bits(sent - 4, 4);
    for (unsigned i = 0; i < sent; ++i)
        Bits(lengthLengths[kCodeLengthOrder[i]], 3);
    for (unsigned l : lengths)
        Bits(lengthCodes[l].bits, lengthCodes[l].length);
    for (const std::uint32_t token : m_tokens) {
        const unsigned symbol = token & 0x1FF;
        Bits(literalCodes[symbol].bits, literalCodes[symbol].length);
        if (symbol > kEndOfBlock) {
            Bits(token >> 9, kLengthExtra[symbol - 257]);
            Bits(0, distanceLengths[kDistanceSymbol]); // the one distance code, 0
        }
    }
    Bits(literalCodes[kEndOfBlock].bits, literalCodes[kEndOfBlock].length);
    m_tokens.clear();
    m_frequency.fill(0);
}

void TRunDeflater::Finish()
{
    if (!m_tokens.empty())
        EndBlock();
    Bits(0b011, 3); // the last block, empty, in the fixed code
    Bits(0, 7); // end of block
    if (m_bitCount > 0)
        Bits(0, 8 - m_bitCount);
    const auto adler = std::uint32_t(m_adlerB << 16 | m_adlerA);
    for (int shift = 24; shift >= 0; shift -= 8)
        m_bytes.push_back(static_cast<unsigned char>(adler >> shift));
}

} // namespace morvane

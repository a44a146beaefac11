#include "AnsiSearch.h"

#include "TextDecoding.h"
#include "TextHelpers.h"

#include <array>
#include <cstring>
#include <vector>

namespace {
struct ByteTables {
    std::array<char16_t, 256> unit{};
    std::array<char16_t, 256> upper{};
    std::array<bool, 256> word{};
    std::array<int, 256> frequency{}; // rough commonness in genealogy text, higher = commoner
};

const ByteTables& Tables() {
    static const ByteTables tables = [] {
        ByteTables t;
        char bytes[256];
        for (int b = 0; b < 256; ++b)
            bytes[b] = char(b);
        const QString decoded = DecodeWindows1252(QByteArrayView(bytes, 256));
        for (int b = 0; b < 256; ++b) {
            t.unit[b] = decoded[b].unicode();
            t.upper[b] = UpperCodeUnit(decoded[b]).unicode();
            t.word[b] = IsWordCharacter(decoded[b]);
            t.frequency[b] = b < 128 ? 10 : 1;
        }
        static const char common[] = " etaoinsrhldcumfpgwybvkxjqz"; // commonest first
        for (int i = 0; common[i]; ++i) {
            const int weight = 1000 - 35 * i;
            t.frequency[uchar(common[i])] = weight;
            if (common[i] != ' ')
                t.frequency[uchar(common[i] - 32)] = weight / 3;
        }
        for (int d = '0'; d <= '9'; ++d)
            t.frequency[d] = 500;
        t.frequency['\r'] = t.frequency['\n'] = t.frequency['/'] = 300;
        return t;
    }();
    return tables;
}

// Positions of the next occurrence of each of a few bytes, each found with memchr.
class AnchorScanner {
public:
    AnchorScanner(const unsigned char* data, qsizetype size, std::vector<unsigned char> anchors)
        : m_data(data), m_size(size), m_anchors(std::move(anchors)), m_next(m_anchors.size(), -2) {}
    // The next position at or after from holding one of the anchors, or -1.
    qsizetype next(qsizetype from) {
        qsizetype best = -1;
        for (size_t a = 0; a < m_anchors.size(); ++a) {
            if (m_next[a] != -1 && m_next[a] < from) {
                const void* hit =
                    from < m_size ? std::memchr(m_data + from, m_anchors[a], size_t(m_size - from))
                                  : nullptr;
                m_next[a] = hit ? static_cast<const unsigned char*>(hit) - m_data : -1;
            }
            if (m_next[a] >= 0 && (best < 0 || m_next[a] < best))
                best = m_next[a];
        }
        return best;
    }

private:
    const unsigned char* m_data;
    qsizetype m_size;
    std::vector<unsigned char> m_anchors;
    std::vector<qsizetype> m_next;
};
} // namespace

bool AnsiBytesContain(QByteArrayView bytes, QStringView needle, TextSearchOptions options) {
    if (bytes.isEmpty())
        return false; // an empty view may have no data pointer at all, which memchr must not see
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const void* nul = std::memchr(data, 0, size_t(bytes.size()));
    const qsizetype length = nul ? static_cast<const unsigned char*>(nul) - data : bytes.size();
    const qsizetype m = needle.size();
    if (length == 0 || m > length)
        return false;
    if (m == 0)
        return TextContains(DecodeWindows1252(bytes.first(length)), needle, options);

    const ByteTables& t = Tables();
    const auto& map = options.matchCase ? t.unit : t.upper;
    // accepts[k * 256 + b]: byte b can stand at needle position k.
    std::vector<bool> accepts(size_t(m) * 256, false);
    qsizetype anchor = 0;
    long anchorCost = -1;
    for (qsizetype k = 0; k < m; ++k) {
        const char16_t wanted =
            options.matchCase ? needle[k].unicode() : UpperCodeUnit(needle[k]).unicode();
        long cost = 0;
        bool any = false;
        for (int b = 0; b < 256; ++b) {
            if (map[b] == wanted) {
                accepts[size_t(k) * 256 + b] = true;
                cost += t.frequency[b];
                any = true;
            }
        }
        if (!any)
            return false; // no byte decodes to this character
        if (anchorCost < 0 || cost < anchorCost) {
            anchorCost = cost;
            anchor = k;
        }
    }
    std::vector<unsigned char> anchors;
    for (int b = 0; b < 256; ++b)
        if (accepts[size_t(anchor) * 256 + b])
            anchors.push_back(uchar(b));

    auto matchesAt = [&](qsizetype p) {
        for (qsizetype k = 0; k < m; ++k)
            if (!accepts[size_t(k) * 256 + data[p + k]])
                return false;
        if (!options.wholeWord)
            return true;
        // A word start (or position 0) and a word end (or the end of the searched part).
        if (p > 0 && (!t.word[data[p]] || t.word[data[p - 1]]))
            return false;
        return p + m >= length || !t.word[data[p + m]];
    };

    const qsizetype last = length - m;
    AnchorScanner scanner(data, length, anchors);
    for (qsizetype i = scanner.next(anchor); i >= 0; i = scanner.next(i + 1)) {
        const qsizetype p = i - anchor;
        if (p > last)
            return false;
        if (p >= 0 && matchesAt(p))
            return true;
    }
    return false;
}

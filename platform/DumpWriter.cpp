#include "platform/DumpWriter.h"

#include <unistd.h>

#include <cerrno>

namespace {

// Days since 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's
// civil_from_days), because gmtime_r is not safe in a signal handler.
void CivilFromDays(std::int64_t days, std::int64_t& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

}  // namespace

DumpWriter& DumpWriter::Text(const char* text) {
    for (; text != nullptr && *text != '\0'; ++text) {
        Append(*text);
    }
    return *this;
}

DumpWriter& DumpWriter::Decimal(std::int64_t value) {
    if (value < 0) {
        Append('-');
        // Through unsigned arithmetic, so the most negative value has a magnitude.
        Digits(~static_cast<std::uint64_t>(value) + 1, 1);
    } else {
        Digits(static_cast<std::uint64_t>(value), 1);
    }
    return *this;
}

DumpWriter& DumpWriter::Hex(std::uintptr_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    Text("0x");
    for (int shift = static_cast<int>(sizeof(value)) * 8 - 4; shift >= 0; shift -= 4) {
        Append(kDigits[(value >> shift) & 0xf]);
    }
    return *this;
}

DumpWriter& DumpWriter::Time(std::time_t seconds) {
    const std::int64_t total = static_cast<std::int64_t>(seconds);
    std::int64_t days = total / 86400;
    std::int64_t rest = total % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(days, year, month, day);
    Decimal(year).Text("-");
    Digits(static_cast<std::uint64_t>(month), 2);
    Append('-');
    Digits(static_cast<std::uint64_t>(day), 2);
    Append('T');
    Digits(static_cast<std::uint64_t>(rest / 3600), 2);
    Append(':');
    Digits(static_cast<std::uint64_t>(rest / 60 % 60), 2);
    Append(':');
    Digits(static_cast<std::uint64_t>(rest % 60), 2);
    Append('Z');
    return *this;
}

void DumpWriter::Flush() {
    std::size_t done = 0;
    while (done < m_used) {
        const ssize_t written = write(m_fd, m_buffer + done, m_used - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            m_ok = false;
            break;
        }
        done += static_cast<std::size_t>(written);
    }
    m_used = 0;
}

void DumpWriter::Append(char c) {
    if (m_used == sizeof(m_buffer)) {
        Flush();
    }
    m_buffer[m_used++] = c;
}

void DumpWriter::Digits(std::uint64_t value, int minimumWidth) {
    char reversed[20];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int pad = count; pad < minimumWidth; ++pad) {
        Append('0');
    }
    while (count > 0) {
        Append(reversed[--count]);
    }
}

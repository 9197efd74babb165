// The update reminder's stored date as a damaged or hand-edited settings file
// can hold it: any text at all, through the decoder and the whole start-up check.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include <QDate>
#include <QString>

#include "app/fake_platform.h"
#include "app/links.h"
#include "reading/saved_reading.h"

namespace {

// Every read of the settings store gives the fuzzed value, whatever the key.
class StoredValue : public velmora::testing::FakePlatform {
public:
    QString value;
    std::optional<QString> ReadSetting(const QString&) override { return value; }
};

// A settings value holds any UTF-16 text; the first byte picks how the rest becomes text.
QString TextOf(std::uint8_t mode, const char* bytes, std::size_t size) {
    const auto length = static_cast<qsizetype>(size);
    switch (mode % 3) {
    case 0:
        return QString::fromUtf8(bytes, length);
    case 1:
        return QString::fromLatin1(bytes, length);
    default:
        QString text(length / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i) {
            text[i] = QChar(char16_t(std::uint8_t(bytes[2 * i]) | std::uint8_t(bytes[2 * i + 1]) << 8));
        }
        return text;
    }
}

QString StoredForm(const QDate& date) {
    const std::string bytes =
        velmora::EncodeReadingText(date.toString(QStringLiteral("yyyy-MM-dd")).toLatin1().toStdString());
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    StoredValue platform;
    platform.value = TextOf(data[0], reinterpret_cast<const char*>(data + 3), size - 3);
    // Today within about ninety years either side of 2000.
    platform.today = QDate(2000, 1, 1).addDays(std::int16_t(data[1] | data[2] << 8));
    const bool answer = data[0] & 0x80;
    platform.yesNoAnswers = {answer};

    const std::optional<QDate> stored = velmora::DecodeReminderDate(platform.value);
    if (stored && (!stored->isValid() || velmora::DecodeReminderDate(StoredForm(*stored)) != stored)) {
        __builtin_trap();
    }

    velmora::RemindAboutUpdate(platform);
    const bool quiet = stored && std::abs(platform.today.daysTo(*stored)) <= 14;
    const bool asked = stored && !quiet;
    const bool wroteToday =
        platform.settingWrites.size() == 1 &&
        velmora::DecodeReminderDate(platform.settingWrites.front().second) == platform.today;
    if (!platform.messages.isEmpty() || platform.questions.size() != (asked ? 1 : 0) ||
        (quiet ? !platform.settingWrites.isEmpty() : !wroteToday) ||
        platform.openedUrls.size() != (asked && answer ? 1 : 0)) {
        __builtin_trap();
    }
    return 0;
}

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

QString dataDir;

QString cardFile(char suit, int rank)
{
    return dataDir + QStringLiteral("/cards/%1%2.jpg").arg(QChar(suit)).arg(rank);
}

bool isRed(QRgb p) { return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90; }

TEST(CardPictures, FiftyTwoDistinctCardsOfTheSlotSizeTwice)
{
    std::set<QByteArray> hashes;
    for (char suit : {'d', 's', 'h', 'c'}) {
        for (int rank = 1; rank <= 13; ++rank) {
            const QString path = cardFile(suit, rank);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            hashes.insert(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));

            const QImage image(path);
            ASSERT_FALSE(image.isNull()) << path.toStdString();
            EXPECT_EQ(image.width(), 242) << path.toStdString();
            EXPECT_EQ(image.height(), 370) << path.toStdString();

            int red = 0;
            int dark = 0;
            for (int y = 0; y < image.height(); y += 2) {
                for (int x = 0; x < image.width(); x += 2) {
                    const QRgb p = image.pixel(x, y);
                    red += isRed(p);
                    dark += qGray(p) < 80;
                }
            }
            const bool redSuit = suit == 'd' || suit == 'h';
            if (redSuit)
                EXPECT_GT(red, 100) << path.toStdString();
            else
                EXPECT_GT(dark, 100) << path.toStdString();
            // Court cards of a black suit carry some red in their figures; pips never do.
            if (!redSuit && rank <= 10) {
                EXPECT_LT(red, 20) << path.toStdString();
            }
            // The top-left corner index shows something.
            int cornerInk = 0;
            for (int y = 8; y < 70; ++y)
                for (int x = 6; x < 40; ++x)
                    cornerInk += qGray(image.pixel(x, y)) < 160;
            EXPECT_GT(cornerInk, 30) << path.toStdString();
        }
    }
    EXPECT_EQ(hashes.size(), 52u);
}

struct WavHeader {
    quint32 riffSize;
    quint16 format;
    quint16 channels;
    quint32 rate;
    quint16 bits;
    quint32 dataSize;
};

TEST(Sounds, SixShortPcmSoundsWithSoundHeaders)
{
    for (const char* name : {"bet", "start", "card", "bonus", "twice", "bonus2"}) {
        const QString path = dataDir + "/wav/" + name + ".wav";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 44) << name;
        EXPECT_EQ(bytes.mid(0, 4), "RIFF") << name;
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ") << name;
        EXPECT_EQ(bytes.mid(36, 4), "data") << name;
        const auto* raw = reinterpret_cast<const uchar*>(bytes.constData());
        EXPECT_EQ(qFromLittleEndian<quint32>(raw + 4), quint32(bytes.size() - 8)) << name;
        EXPECT_EQ(qFromLittleEndian<quint16>(raw + 20), 1) << name << ": PCM";
        EXPECT_EQ(qFromLittleEndian<quint16>(raw + 22), 1) << name << ": mono";
        const quint32 rate = qFromLittleEndian<quint32>(raw + 24);
        EXPECT_TRUE(rate == 22050 || rate == 44100) << name;
        EXPECT_EQ(qFromLittleEndian<quint16>(raw + 34), 16) << name;
        const quint32 dataSize = qFromLittleEndian<quint32>(raw + 40);
        EXPECT_EQ(dataSize, quint32(bytes.size() - 44)) << name;

        const double seconds = dataSize / 2.0 / rate;
        EXPECT_GT(seconds, 0.05) << name;
        EXPECT_LT(seconds, 1.5) << name;
        int peak = 0;
        for (quint32 i = 0; i < dataSize / 2; ++i)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(raw + 44 + 2 * i))));
        const double dbfs = 20 * std::log10(peak / 32768.0);
        EXPECT_GT(dbfs, -12) << name << " is too quiet";
        EXPECT_LT(dbfs, -3) << name << " is too loud";
        const int first = qFromLittleEndian<qint16>(raw + 44);
        const int last = qFromLittleEndian<qint16>(raw + bytes.size() - 2);
        EXPECT_LT(std::abs(first), 200) << name << " starts with a click";
        EXPECT_LT(std::abs(last), 200) << name << " ends with a click";
    }
}

TEST(Icon, SquareWithATransparentBackground)
{
    const QImage icon(dataDir + "/icons/nablo.png");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(256, 256));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(128, 128)), 255);
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: assets_tests DATA_FOLDER\n");
        return 2;
    }
    dataDir = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}

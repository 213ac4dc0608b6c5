// Request-body compression against zlib's one-shot compress2 at the same level,
// on the same 4 MiB JSON document.
#include <zlib.h>
#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "net/injsondeflateconvert.h"

namespace {

QByteArray devicesDocument(int targetSize) {
    QJsonArray devices;
    QByteArray json;
    for (int i = 0; json.size() < targetSize; ++i) {
        const QString vendor = QString::number(0x8086 + i % 37, 16).toUpper();
        const QString device = QString::number(0x1000 + (i * 7919) % 0xEFFF, 16).toUpper();
        devices.append(QJsonObject{
            {"hardware_ids",
             QJsonArray{QStringLiteral("PCI\\VEN_%1&DEV_%2&SUBSYS_%3")
                            .arg(vendor, device)
                            .arg(i * 2654435761u % 0xFFFFFFFF, 8, 16, QLatin1Char('0')),
                        QStringLiteral("PCI\\VEN_%1&DEV_%2").arg(vendor, device)}},
            {"class", "{4d36e972-e325-11ce-bfc1-08002be10318}"},
            {"driver",
             QJsonObject{
                 {"inf", QStringLiteral("oem%1.inf").arg(i % 200)},
                 {"version",
                  QStringLiteral("%1.%2.%3.%4").arg(i % 30).arg(i % 9).arg(i % 1000).arg(i)},
                 {"date", "2021-06-14"},
                 {"provider", "Vendor " + QString::number(i % 50)}}},
            {"present", i % 5 != 0}});
        if (i % 256 == 0) {
            json = QJsonDocument(QJsonObject{{"devices", devices}}).toJson(QJsonDocument::Compact);
        }
    }
    return json.left(targetSize);
}

template <typename Function>
double secondsFor(int rounds, Function function) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        function();
    }
    return timer.nsecsElapsed() / 1e9;
}

}  // namespace

int main() {
    const QByteArray input = devicesDocument(4 * 1024 * 1024);
    const double megabytes = input.size() / (1024.0 * 1024.0);
    constexpr int kRounds = 10;

    QByteArray ours;
    const double oursSeconds =
        secondsFor(kRounds, [&] { ours = Qln::InJsonDeflateConvert::compressData(input, 6); });

    QByteArray reference(int(compressBound(uLong(input.size()))), Qt::Uninitialized);
    uLongf referenceSize = 0;
    const double referenceSeconds = secondsFor(kRounds, [&] {
        referenceSize = uLongf(reference.size());
        compress2(reinterpret_cast<Bytef*>(reference.data()), &referenceSize,
                  reinterpret_cast<const Bytef*>(input.constData()), uLong(input.size()), 6);
    });

    const double oursRate = megabytes * kRounds / oursSeconds;
    const double referenceRate = megabytes * kRounds / referenceSeconds;
    std::printf("input            %.2f MiB JSON, %d rounds\n", megabytes, kRounds);
    std::printf("compressData     %8.1f MiB/s  ratio %.4f  (%d bytes)\n", oursRate,
                double(ours.size()) / input.size(), int(ours.size()));
    std::printf("compress2        %8.1f MiB/s  ratio %.4f  (%lu bytes)\n", referenceRate,
                double(referenceSize) / input.size(), static_cast<unsigned long>(referenceSize));
    std::printf("throughput       %+.1f %% against compress2 (target within 10 %%)\n",
                (oursRate / referenceRate - 1.0) * 100.0);
    return 0;
}

#include <QSignalSpy>
#include <QtTest>

#include "hardware/deviceselectviewmodel.h"
#include "hardware/driverselectviewmodel.h"
#include "hardware/driversupdatemodel.h"

using Qln::DeviceSelectViewModel;
using Qln::DriversUpdateModel;
using Qln::UpdateOffer;

namespace {

Flow::Shared<Hrdw::Hardware> hardware(const QString& name, bool installed = true) {
    auto item = std::make_shared<Hrdw::Hardware>();
    item->id = "PCI\\" + name;
    item->name = name;
    item->driver = std::make_shared<Hrdw::Driver>();
    if (installed) {
        item->driver->infName = "oem3.inf";
        item->driver->provider = "Old maker";
        item->driver->version = "1.0";
        item->driver->date = QDate(2015, 1, 2);
    }
    return item;
}

Qln::DriverOffer driver(const QString& version, quint64 size = 1024) {
    Qln::DriverOffer offer;
    offer.version = version;
    offer.provider = "New maker";
    offer.date = QDate(2023, 4, 5);
    offer.size = size;
    return offer;
}

UpdateOffer offer(const Flow::Shared<Hrdw::Hardware>& item, int drivers = 1) {
    UpdateOffer update;
    update.hardware = item;
    update.className = "Net";
    for (int i = 0; i < drivers; ++i) {
        update.drivers << driver(QString("2.%1").arg(i));
    }
    return update;
}

QList<UpdateOffer> threeRows() {
    return {offer(hardware("A")), offer(hardware("B"), 2), offer(hardware("C"))};
}

DeviceSelectViewModel* row(DriversUpdateModel& model, int index) {
    return model.rows().at(index);
}

}  // namespace

Q_DECLARE_METATYPE(UpdateOffer)

class SelectionModelsTest : public QObject {
    Q_OBJECT

private slots:
    void offersThatMakeNoRow_data() {
        QTest::addColumn<UpdateOffer>("skipped");
        QTest::newRow("empty drivers") << offer(hardware("X"), 0);
        QTest::newRow("no hardware") << offer(nullptr);
        QTest::newRow("hardware without an installed driver") << offer(hardware("X", false));
    }

    void offersThatMakeNoRow() {
        QFETCH(UpdateOffer, skipped);
        DriversUpdateModel model({offer(hardware("A")), skipped, offer(hardware("B"))}, false);
        QCOMPARE(model.devices().size(), 2);
        QCOMPARE(row(model, 1)->name(), QString("B"));
    }

    void devicesOfOneHardwareMakeOneRow() {
        const auto shared = hardware("A");
        UpdateOffer second = offer(shared, 2);
        DriversUpdateModel model({offer(shared), second, offer(hardware("B"))}, false);
        QCOMPARE(model.devices().size(), 2);
        QCOMPARE(row(model, 0)->drivers().size(), 1);
        QCOMPARE(row(model, 1)->name(), QString("B"));
    }

    void rowsStartSelectedOnTheFirstOffer() {
        DriversUpdateModel model(threeRows(), true);
        QVERIFY(model.error());
        DeviceSelectViewModel* second = row(model, 1);
        QVERIFY(second->select());
        QCOMPARE(second->selectDriverIndex(), 0);
        QCOMPARE(second->drivers().size(), 2);
        QCOMPARE(second->className(), QString("Net"));
    }

    void selectAllOnAFullModelEmitsNothing() {
        DriversUpdateModel model(threeRows(), false);
        QSignalSpy all(&model, &DriversUpdateModel::selectAllChanged);
        QSignalSpy none(&model, &DriversUpdateModel::noSelectChanged);
        QSignalSpy rowSpy(row(model, 0), &DeviceSelectViewModel::selectChanged);
        model.setSelectAll(true);
        QCOMPARE(all.count() + none.count() + rowSpy.count(), 0);
    }

    void clearingOneRow() {
        DriversUpdateModel model(threeRows(), false);
        QSignalSpy all(&model, &DriversUpdateModel::selectAllChanged);
        QSignalSpy none(&model, &DriversUpdateModel::noSelectChanged);
        row(model, 1)->setSelect(false);
        QCOMPARE(all.count(), 1);
        QCOMPARE(none.count(), 1);
        QVERIFY(!model.selectAll());
        QVERIFY(!model.noSelect());
    }

    void selectAllAfterAClearedRowThatWasNeverRead() {
        DriversUpdateModel model(threeRows(), false);
        row(model, 2)->setSelect(false);
        model.setSelectAll(true);
        QVERIFY(row(model, 2)->select());
        QVERIFY(model.selectAll());
    }

    void clearingAllAtOnce() {
        DriversUpdateModel model(threeRows(), false);
        QSignalSpy none(&model, &DriversUpdateModel::noSelectChanged);
        QSignalSpy rowSpy(row(model, 0), &DeviceSelectViewModel::selectChanged);
        model.setSelectAll(false);
        QCOMPARE(none.count(), 1);
        QCOMPARE(rowSpy.count(), 1);
        QVERIFY(model.noSelect());
        QVERIFY(!model.selectAll());
    }

    void emptyModelHasNothingSelected() {
        DriversUpdateModel model({}, false);
        QVERIFY(model.noSelect());
        QSignalSpy none(&model, &DriversUpdateModel::noSelectChanged);
        model.setSelectAll(false);
        QCOMPARE(none.count(), 0);
    }

    void driverIndexMustNameAnOffer_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expected");
        QTest::newRow("alternative") << 1 << 1;
        QTest::newRow("past the end") << 2 << 0;
        QTest::newRow("negative") << -1 << 0;
    }

    void driverIndexMustNameAnOffer() {
        QFETCH(int, index);
        QFETCH(int, expected);
        DeviceSelectViewModel device(offer(hardware("A"), 2));
        device.setSelectDriverIndex(index);
        QCOMPARE(device.selectDriverIndex(), expected);
        QCOMPARE(device.selectedOffer().version, QString("2.%1").arg(expected));
    }

    void driverRowComparesOfferAndInstalled_data() {
        QTest::addColumn<quint64>("size");
        QTest::addColumn<int>("sizeValue");
        QTest::addColumn<QString>("sizeDim");
        QTest::newRow("under a megabyte") << quint64(700 * 1024) << 700 << "KB";
        QTest::newRow("megabytes") << quint64(5 * 1048576 + 1) << 5 << "MB";
    }

    void driverRowComparesOfferAndInstalled() {
        QFETCH(quint64, size);
        QFETCH(int, sizeValue);
        QFETCH(QString, sizeDim);
        const auto item = hardware("A");
        Qln::DriverSelectViewModel model(*item, "Net", driver("9.1", size));
        QCOMPARE(model.update()->name(), QString("A"));
        QCOMPARE(model.update()->category(), QString("Net"));
        QCOMPARE(model.update()->provider(), QString("New maker"));
        QCOMPARE(model.update()->version(), QString("9.1"));
        QCOMPARE(model.update()->sizeValue(), sizeValue);
        QCOMPARE(model.update()->sizeDim(), sizeDim);
        QCOMPARE(model.current()->provider(), QString("Old maker"));
        QCOMPARE(model.current()->version(), QString("1.0"));
        QCOMPARE(model.current()->fields().date, QDate(2015, 1, 2));
        QCOMPARE(model.current()->fields().size, quint64(0));
    }
};

QTEST_GUILESS_MAIN(SelectionModelsTest)
#include "selectionmodels_test.moc"

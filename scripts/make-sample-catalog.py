#!/usr/bin/env python3
"""Builds the sample driver catalogue: zip packages for the sample PC's devices.

Every package is made from the PC's own driver store (data/machines/sample-pc): the INF with a
newer DriverVer, its catalogue and file stand-ins. About a third of the PC's hardware gets a newer
driver; a few devices get two or three alternatives (one matching only a compatible id, one with a
FeatureScore); one package is unsigned; two carry decorations that do not fit an x64 Windows 10
PC; some are for hardware the PC lacks. The output is the same on every run: nothing binary is
committed, run.sh builds it into build/run/packages.

    scripts/make-sample-catalog.py [--machine DIR] --out FOLDER
"""

import argparse
import datetime
import json
import os
import re
import sys
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STAMP = (2026, 12, 1, 0, 0, 0)


def read_text(path):
    with open(path, "rb") as handle:
        data = handle.read()
    for encoding in ("utf-8-sig", "cp1252"):
        try:
            return data.decode(encoding)
        except UnicodeDecodeError:
            continue
    return data.decode("latin-1")


def bump_date(iso, days):
    date = datetime.date.fromisoformat(iso) + datetime.timedelta(days=days)
    return min(date, datetime.date(2026, 11, 30))


def bump_version(version, step):
    parts = [int(p) if p.isdigit() else 0 for p in version.split(".")]
    while len(parts) < 4:
        parts.append(0)
    parts[-1] += step
    return ".".join(str(p) for p in parts)


def set_driver_ver(text, date, version):
    line = "DriverVer=%s,%s" % (date.strftime("%m/%d/%Y"), version)
    return re.sub(r"(?im)^DriverVer\s*=.*$", line, text, count=1)


def write_package(out, name, files):
    """files: {entry name: text}; entries sorted, fixed times, so the bytes never change."""
    path = os.path.join(out, name + ".zip")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for entry in sorted(files):
            info = zipfile.ZipInfo(entry, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            archive.writestr(info, files[entry].encode("utf-8"))
    return path


class Store:
    """The sample PC's driver store, looked up by the text of a published INF."""

    def __init__(self, machine):
        self.root = os.path.join(machine, "Windows", "System32", "DriverStore", "FileRepository")
        self.inf_dir = os.path.join(machine, "Windows", "INF")
        self.by_text = {}
        for folder in sorted(os.listdir(self.root)):
            full = os.path.join(self.root, folder)
            for entry in sorted(os.listdir(full)):
                if entry.lower().endswith(".inf"):
                    self.by_text[read_text(os.path.join(full, entry))] = (full, entry)

    def package(self, inf_name):
        """(inf entry name, {file: text}) of the package that installed inf_name."""
        text = read_text(os.path.join(self.inf_dir, inf_name))
        folder, entry = self.by_text.get(text, (None, inf_name))
        files = {}
        if folder:
            for name in sorted(os.listdir(folder)):
                files[name] = read_text(os.path.join(folder, name))
        else:
            files[entry] = text
        return entry, files


def refresh(files, inf_entry, date, version, text=None):
    """The package with a new INF text and stand-ins that name the new version."""
    result = {}
    inf_text = set_driver_ver(text if text is not None else files[inf_entry], date, version)
    for name, content in files.items():
        if name == inf_entry:
            result[name] = inf_text
        elif name.lower().endswith(".cat"):
            result[name] = "Stand-in for the signed catalog of %s %s.\n" % (inf_entry, version)
        else:
            result[name] = "Stand-in for %s of %s %s.\n" % (name, inf_entry, version)
    return result


def variant_inf(source, decoration, model_line, name="Models"):
    """source with its [Manufacturer] and models sections replaced by one decorated line."""
    text = re.sub(r"(?ims)^\[Manufacturer\].*?(?=^\[)", "", source, count=1)
    text = re.sub(r"(?ims)^\[Models[^\]]*\].*?(?=^\[)", "", text)
    added = "[Manufacturer]\n%%ProviderName%%=%s,%s\n\n[%s.%s]\n%s\n\n" % (
        name, decoration, name, decoration, model_line)
    return text.replace("[Install.NT]", added + "[Install.NT]", 1)


def with_feature_score(source, score):
    return re.sub(r"(?m)^\[Install\.NT\](\r?\n)", r"[Install.NT]\g<1>FeatureScore=%s\g<1>" % score,
                  source, count=1)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--machine", default=os.path.join(ROOT, "data", "machines", "sample-pc"))
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    with open(os.path.join(args.machine, "machine.json"), encoding="utf-8") as handle:
        machine = json.load(handle)
    store = Store(args.machine)
    os.makedirs(args.out, exist_ok=True)
    for name in os.listdir(args.out):
        if name.endswith(".zip"):
            os.remove(os.path.join(args.out, name))

    # One record per hardware (matching id), in the order the PC lists them.
    hardware = []
    seen = set()
    for device in machine["devices"]:
        driver = device.get("driver")
        if not driver or not device.get("present", True) or not device.get("classGuid"):
            continue
        if driver["matchingId"].upper() in seen:
            continue
        seen.add(driver["matchingId"].upper())
        hardware.append(device)

    special = {"oem8.inf", "oem9.inf", "oem10.inf", "oem11.inf", "oem12.inf", "oem13.inf",
               "oem14.inf", "oem15.inf"}
    # Every other INF in the order the PC lists them, until about a third of the devices that
    # have a driver are covered (the special ones below included).
    devices_of = {}
    for device in machine["devices"]:
        if device.get("driver") and device.get("present", True) and device.get("classGuid"):
            devices_of.setdefault(device["driver"]["infName"], []).append(device)
    target = sum(len(v) for v in devices_of.values()) // 3
    covered = sum(len(devices_of.get(name, [])) for name in special)
    written = []
    step = 0
    order = []
    for device in hardware:
        if device["driver"]["infName"] not in order:
            order.append(device["driver"]["infName"])
    for position, inf_name in enumerate(order):
        if inf_name in special or position % 2 != 0 or len(devices_of[inf_name]) > 4:
            continue
        if covered >= target:
            break
        covered += len(devices_of[inf_name])
        driver = devices_of[inf_name][0]["driver"]
        step += 1
        entry, files = store.package(inf_name)
        date = bump_date(driver["date"], 200 + 11 * step)
        version = bump_version(driver["version"], 100 + step)
        base = os.path.splitext(entry)[0].lower()
        written.append(write_package(args.out, "%s-%s" % (base, version),
                                     refresh(files, entry, date, version)))

    def by_inf(name):
        return next(d for d in hardware if d["driver"]["infName"] == name)

    # The graphics card: the plain update matches the installed hardware id; one with a
    # FeatureScore ranks above it; the newest matches only a compatible id, ranks below the
    # installed driver and so is not offered (a hardware-id match beats a newer compatible one).
    gpu = by_inf("oem10.inf")
    entry, files = store.package("oem10.inf")
    source = files[entry]
    version = bump_version(gpu["driver"]["version"], 1000)
    written.append(write_package(args.out, "nv_dispi-" + version,
                                 refresh(files, entry, bump_date(gpu["driver"]["date"], 400),
                                         version)))
    dch = with_feature_score(source, "0xF6")
    version = bump_version(gpu["driver"]["version"], 900)
    written.append(write_package(args.out, "nv_dispi-dch-" + version,
                                 refresh(files, entry, bump_date(gpu["driver"]["date"], 380),
                                         version, dch)))
    generic = variant_inf(source, "NTamd64",
                          "%%Device0.DeviceDesc%%=Install, %s" % gpu["compatibleIds"][1])
    version = bump_version(gpu["driver"]["version"], 2000)
    written.append(write_package(args.out, "nv_dispi-generic-" + version,
                                 refresh(files, entry, bump_date(gpu["driver"]["date"], 500),
                                         version, generic)))

    # Wireless: a plain update.
    wifi = by_inf("oem8.inf")
    entry, files = store.package("oem8.inf")
    version = bump_version(wifi["driver"]["version"], 300)
    written.append(write_package(args.out, "netwtw-" + version,
                                 refresh(files, entry, bump_date(wifi["driver"]["date"], 300),
                                         version)))

    # NVIDIA HD audio, installed through a compatible id: three alternatives. The update of the
    # installed INF matches only that compatible id; a newer package lists the hardware id; a
    # third adds a FeatureScore and ranks best.
    hda = by_inf("oem11.inf")
    entry, files = store.package("oem11.inf")
    version = bump_version(hda["driver"]["version"], 300)
    written.append(write_package(args.out, "nvhda-" + version,
                                 refresh(files, entry, bump_date(hda["driver"]["date"], 250),
                                         version)))
    specific = variant_inf(files[entry], "NTamd64",
                           "%%Device0.DeviceDesc%%=Install, %s" % hda["hardwareIds"][0])
    version = bump_version(hda["driver"]["version"], 200)
    written.append(write_package(args.out, "nvhda-board-" + version,
                                 refresh(files, entry, bump_date(hda["driver"]["date"], 150),
                                         version, specific)))
    version = bump_version(hda["driver"]["version"], 100)
    written.append(write_package(args.out, "nvhda-dch-" + version,
                                 refresh(files, entry, bump_date(hda["driver"]["date"], 100),
                                         version, with_feature_score(specific, "0xE0"))))

    # Realtek audio: one package with two INFs, the driver and its effects component.
    audio = by_inf("oem13.inf")
    effects = by_inf("oem14.inf")
    entry, files = store.package("oem13.inf")
    version = bump_version(audio["driver"]["version"], 150)
    package = refresh(files, entry, bump_date(audio["driver"]["date"], 420), version)
    entry2, files2 = store.package("oem14.inf")
    version2 = bump_version(effects["driver"]["version"], 50)
    for name, content in refresh(files2, entry2, bump_date(effects["driver"]["date"], 500),
                                 version2).items():
        package["Effects/" + name] = content
    written.append(write_package(args.out, "realtek-audio-" + version, package))

    # Unsigned: the catalogue the INF names is not in the package, so it ranks 0x80...... and is
    # not offered over the signed driver installed now.
    lan = by_inf("oem9.inf")
    entry, files = store.package("oem9.inf")
    version = bump_version(lan["driver"]["version"], 500)
    unsigned = {k: v for k, v in refresh(files, entry, bump_date(lan["driver"]["date"], 600),
                                         version).items() if not k.lower().endswith(".cat")}
    written.append(write_package(args.out, "e1d-unsigned-" + version, unsigned))

    # Decorations that do not fit an x64 Windows 10 PC: x86 only, and ARM64 only.
    bluetooth = by_inf("oem15.inf")
    entry, files = store.package("oem15.inf")
    x86 = variant_inf(files[entry], "NTx86",
                      "%%Device0.DeviceDesc%%=Install, %s" % bluetooth["hardwareIds"][1])
    version = bump_version(bluetooth["driver"]["version"], 200)
    written.append(write_package(args.out, "ibtusb-x86-" + version,
                                 refresh(files, entry, bump_date(bluetooth["driver"]["date"], 200),
                                         version, x86)))
    usbc = by_inf("oem12.inf")
    entry, files = store.package("oem12.inf")
    arm = variant_inf(files[entry], "NTarm64",
                      "%%Device0.DeviceDesc%%=Install, %s" % usbc["hardwareIds"][1])
    version = bump_version(usbc["driver"]["version"], 200)
    written.append(write_package(args.out, "nvppc-arm64-" + version,
                                 refresh(files, entry, bump_date(usbc["driver"]["date"], 200),
                                         version, arm)))

    # Hardware the sample PC lacks.
    template_entry, template = store.package("oem10.inf")
    for number, (name, hwid) in enumerate([
            ("radeon", "PCI\\VEN_1002&DEV_73BF&SUBSYS_0E3A1002"),
            ("killer-wifi", "PCI\\VEN_17CB&DEV_1103&SUBSYS_00011A56"),
            ("wacom-tablet", "USB\\VID_056A&PID_0374"),
    ]):
        text = variant_inf(template[template_entry], "NTamd64",
                           "%%Device0.DeviceDesc%%=Install, %s" % hwid)
        text = text.replace("Provider=%ProviderName%", "Provider=Other Vendor %d" % (number + 1))
        written.append(write_package(args.out, "%s-1.0.%d" % (name, number),
                                     refresh(template, template_entry,
                                             datetime.date(2026, 3, 1 + number),
                                             "1.0.0.%d" % number, text)))

    print("%d packages in %s" % (len(written), args.out))
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes data/machines/sample-pc: a Windows 10 x64 desktop (Z390 board, i7-9700K,
GeForce RTX 2080) with its devices, its INF folder and its driver store.

The output is committed; run this again only to change the sample PC.
usage: make-sample-pc.py [OUT_DIR]
"""

import hashlib
import json
import os
import shutil
import sys

GUIDS = {
    "System": "{4d36e97d-e325-11ce-bfc1-08002be10318}",
    "Computer": "{4d36e966-e325-11ce-bfc1-08002be10318}",
    "USB": "{36fc9e60-c465-11cf-8056-444553540000}",
    "HIDClass": "{745a17a0-74d3-11d0-b6fe-00a0c90f57da}",
    "Keyboard": "{4d36e96b-e325-11ce-bfc1-08002be10318}",
    "Mouse": "{4d36e96f-e325-11ce-bfc1-08002be10318}",
    "MEDIA": "{4d36e96c-e325-11ce-bfc1-08002be10318}",
    "AudioEndpoint": "{c166523c-fe0c-4a94-a586-f1a80cfbbf3e}",
    "Display": "{4d36e968-e325-11ce-bfc1-08002be10318}",
    "Monitor": "{4d36e96e-e325-11ce-bfc1-08002be10318}",
    "Net": "{4d36e972-e325-11ce-bfc1-08002be10318}",
    "Bluetooth": "{e0cbf06c-cd8b-4647-bb8a-263b43f0f974}",
    "hdc": "{4d36e96a-e325-11ce-bfc1-08002be10318}",
    "SCSIAdapter": "{4d36e97b-e325-11ce-bfc1-08002be10318}",
    "DiskDrive": "{4d36e967-e325-11ce-bfc1-08002be10318}",
    "Volume": "{71a27cdd-812a-11d0-bec7-08002be2092f}",
    "Processor": "{50127dc3-0f36-415e-a6cc-4cb3be910b65}",
    "Ports": "{4d36e978-e325-11ce-bfc1-08002be10318}",
    "Firmware": "{f2e7dd72-6468-4e36-b6f1-6488f42c1b52}",
    "SecurityDevices": "{d94ee5d8-d189-4994-83d2-f68d7d41b0e6}",
    "PrintQueue": "{1ed2bbf9-11f0-4084-b21f-ad83a8e6dcdc}",
    "SoftwareComponent": "{5c4c3332-344d-483c-8739-259e934c9cc8}",
    "Camera": "{ca3e7ab9-b4c3-4ae6-8251-579ef933890f}",
}
LOGO = {"System": "6.1", "USB": "6.1", "MEDIA": "6.1", "Display": "6.1", "Net": "6.1",
        "HIDClass": "6.1", "hdc": "6.1", "SCSIAdapter": "6.1", "Bluetooth": "6.1"}

INBOX = ("Microsoft", "10.0.19041.1", "2006-06-21")

# infName -> (original name, provider, version, date, store files)
DRIVERS = {}
DEVICES = []
PREVIOUS = {}


def driver(inf, provider=INBOX[0], version=INBOX[1], date=INBOX[2], files=(), original=None):
    DRIVERS[inf] = dict(original=original or inf, provider=provider, version=version,
                        date=date, files=list(files))
    return inf


def dev(instance, cls, name, hwids, compat=(), inf=None, rank=None, manufacturer=None,
        present=True, problem=0, driver_type=2, description=None, match=None):
    hwids, compat = list(hwids), list(compat)
    record = None
    if inf:
        if rank is None:
            rank = 0x00FF0000
        low = rank & 0xFFFF
        kind, index = (rank >> 12) & 0xF, rank & 0xF
        if low < 0x1000 or kind == 1:
            matching = hwids[index]
        else:
            matching = compat[index]
        info = DRIVERS[inf]
        record = dict(infName=inf, rank=rank, driverType=driver_type, provider=info["provider"],
                      version=info["version"], date=info["date"], description=name,
                      matchingId=matching)
    DEVICES.append(dict(
        instanceId=instance, classGuid=GUIDS.get(cls, "") if cls else "", className=cls or "",
        name=name, description=description or name,
        manufacturer=manufacturer or (DRIVERS[inf]["provider"] if inf else ""),
        hardwareIds=hwids, compatibleIds=compat, present=present, problem=problem,
        driver=record, previousDrivers=[]))
    return DEVICES[-1]


def pci(ven, device, subsys, rev, cc, instance_tail):
    cc4 = cc[:4]
    base = f"PCI\\VEN_{ven}&DEV_{device}"
    hwids = [f"{base}&SUBSYS_{subsys}&REV_{rev}", f"{base}&SUBSYS_{subsys}",
             f"{base}&CC_{cc}", f"{base}&CC_{cc4}"]
    compat = [f"{base}&REV_{rev}", base, f"PCI\\VEN_{ven}&CC_{cc}", f"PCI\\VEN_{ven}&CC_{cc4}",
              f"PCI\\VEN_{ven}", f"PCI\\CC_{cc}", f"PCI\\CC_{cc4}"]
    return f"{hwids[0]}\\{instance_tail}", hwids, compat


def acpi(pnp, instance, extra=()):
    return f"ACPI\\{pnp}\\{instance}", [f"ACPI\\{pnp}", f"*{pnp}", *extra]


# Inbox drivers: every one has a copy in the INF folder and in the store.
for inbox in ["machine.inf", "acpi.inf", "pci.inf", "hal.inf", "cpu.inf", "wmiacpi.inf",
              "c_firmware.inf", "tpm.inf", "display.inf", "swenum.inf", "umbus.inf",
              "rdpbus.inf", "volmgr.inf", "spaceport.inf", "netvwifibus.inf", "kdnic.inf",
              "netrasa.inf", "netavpna.inf", "netsstpa.inf", "printqueue.inf",
              "audioendpoint.inf", "volume.inf", "usbxhci.inf", "usbhub3.inf", "usb.inf",
              "input.inf", "keyboard.inf", "msmouse.inf", "hidserv.inf", "hdaudbus.inf",
              "storahci.inf", "stornvme.inf", "disk.inf", "monitor.inf", "msports.inf",
              "bth.inf", "bthpan.inf", "bthleenum.inf", "usbvideo.inf", "wdma_usb.inf",
              "usbstor.inf", "compositebus.inf", "basicrender.inf", "ndisvirtualbus.inf",
              "intelpep.inf", "hidbth.inf"]:
    driver(inbox, files=[inbox.replace(".inf", ".sys")])

oem = {}
oem_specs = [
    ("CoffeeLakeSystem.inf", "INTEL", "10.1.17.1", "2018-06-21", []),
    ("CannonLakePCH-HSystem.inf", "INTEL", "10.1.17.1", "2018-06-21", []),
    ("CannonLakePCH-HSystemThermal.inf", "INTEL", "10.1.17.1", "2018-06-21", []),
    ("CoffeeLakeGauss.inf", "INTEL", "10.1.17.1", "2018-06-21", []),
    ("heci.inf", "Intel", "1914.12.0.1256", "2019-07-18", ["TeeDriverW8x64.sys"]),
    ("Netwtw08.INF", "Intel", "22.80.0.4", "2021-09-29", ["Netwtw08.sys", "Netwfw08.dat"]),
    ("e1d68x64.inf", "Intel", "12.18.9.10", "2020-03-17", ["e1d68x64.sys", "e1dmsg.dll"]),
    ("nv_dispi.inf", "NVIDIA", "27.21.14.5671", "2020-10-12",
     ["nvlddmkm.sys", "nvldumdx.dll", "nvapi64.dll"]),
    ("nvhda.inf", "NVIDIA Corporation", "1.3.38.35", "2020-08-20", ["nvhda64v.sys"]),
    ("nvppc.inf", "NVIDIA", "1.42.831.832", "2020-04-24", ["UcmCxUcsiNvppc.sys"]),
    ("HDXASUSSA.inf", "Realtek Semiconductor Corp.", "6.0.8899.1", "2020-03-20",
     ["RTKVHD64.sys", "RTAIODAT.DAT"]),
    ("RealtekAPO.inf", "Realtek", "11.0.6000.265", "2019-12-17", ["RTKAPO64.dll"]),
    ("ibtusb.inf", "Intel Corporation", "21.120.0.4", "2020-09-25", ["ibtusb.sys", "ibtfw.dat"]),
    ("igdlh64.inf", "Intel Corporation", "26.20.100.7325", "2019-10-16",
     ["igdkmd64.sys", "igdumdim64.dll"]),
]
for number, (original, provider, version, date, files) in enumerate(oem_specs, start=3):
    name = f"oem{number}.inf"
    oem[original] = driver(name, provider, version, date,
                           files or [original.rsplit(".", 1)[0] + ".sys"], original)

# Older packages still in the store: what a rollback returns to.
for number, (original, version, date) in enumerate([
        ("nv_dispi.inf", "26.21.14.4122", "2019-11-04"),
        ("e1d68x64.inf", "12.17.10.8", "2018-08-23"),
        ("Netwtw08.INF", "21.40.2.2", "2019-08-27")], start=20):
    name = f"oem{number}.inf"
    info = DRIVERS[oem[original]]
    driver(name, info["provider"], version, date, info["files"], original)
    PREVIOUS[oem[original]] = name

ROOT_TAIL = "3&11583659&0&"
CPU_NAME = "Intel(R) Core(TM) i7-9700K CPU @ 3.60GHz"

# The ACPI and root-enumerated system devices.
dev("ROOT\\ACPI_HAL\\0000", "Computer", "ACPI x64-based PC", ["acpiapic"], inf="hal.inf",
    driver_type=1)
dev("ACPI_HAL\\PNP0C08\\0", "System", "Microsoft ACPI-Compliant System",
    ["ACPI_HAL\\PNP0C08", "*PNP0C08"], inf="acpi.inf", rank=0x00FF0001)
iid, ids = acpi("PNP0A08", "0", ["ACPI\\PNP0A03", "*PNP0A03"])
dev(iid, "System", "PCI Express Root Complex", ids, inf="pci.inf", rank=0x00FF0001)
for pnp, name, instance in [
        ("PNP0C01", "System board", "1"), ("PNP0000", "Programmable interrupt controller",
                                           "4&1d401fb5&0"),
        ("PNP0100", "System timer", "4&1d401fb5&0"), ("PNP0B00", "System CMOS/real time clock",
                                                      "4&1d401fb5&0"),
        ("PNP0200", "Direct memory access controller", "4&1d401fb5&0"),
        ("PNP0800", "System speaker", "4&1d401fb5&0"),
        ("PNP0C04", "Numeric data processor", "4&1d401fb5&0"),
        ("PNP0C0C", "ACPI Power Button", "2&daba3ff&1"),
        ("PNP0C0E", "ACPI Sleep Button", "2&daba3ff&1"),
        ("PNP0A05", "Generic Bus", "4&1d401fb5&0")]:
    iid, ids = acpi(pnp, instance)
    dev(iid, "System", name, ids, inf="machine.inf", rank=0x00FF0001)
iid, ids = acpi("PNP0103", "0")
dev(iid, "System", "High precision event timer", ids, inf="machine.inf", rank=0x00FF0001)
for instance in ["0", "1", "2", "4&1d401fb5&0", "4&1d401fb5&1"]:
    iid, ids = acpi("PNP0C02", instance)
    dev(iid, "System", "Motherboard resources", ids, inf="machine.inf", rank=0x00FF0001)
for instance in ["MXM2", "AMW0"]:
    iid, ids = acpi("PNP0C14", instance)
    dev(iid, "System", "Microsoft Windows Management Interface for ACPI", ids,
        inf="wmiacpi.inf", rank=0x00FF0001)
dev("ACPI\\FIXEDBUTTON\\2&DABA3FF&1", "System", "ACPI Fixed Feature Button",
    ["ACPI\\FixedButton", "*FixedButton"], inf="machine.inf", rank=0x00FF0001)
dev("ACPI\\THERMALZONE\\TZ00", "System", "ACPI Thermal Zone",
    ["ACPI\\ThermalZone", "*ThermalZone"], inf="machine.inf", rank=0x00FF0001)
dev("ACPI\\INT33A1\\0", "System", "Intel(R) Power Engine Plug-in",
    ["ACPI\\INT33A1", "*INT33A1", "ACPI\\PNP0D80", "*PNP0D80"], inf="intelpep.inf",
    rank=0x00FF0000)
cpu = "GenuineIntel_-_Intel64_Family_6_Model_158_-_" + CPU_NAME.replace(" ", "_")
for core in range(8):
    dev(f"ACPI\\{cpu.upper()}\\_{core}", "Processor", CPU_NAME,
        [f"ACPI\\{cpu}", f"*{cpu}", "ACPI\\GenuineIntel_-_Intel64_Family_6_Model_158",
         "*GenuineIntel_-_Intel64_Family_6_Model_158", "ACPI\\GenuineIntel_-_Intel64_Family_6",
         "*GenuineIntel_-_Intel64_Family_6", "ACPI\\GenuineIntel_-_Intel64",
         "*GenuineIntel_-_Intel64"], inf="cpu.inf", rank=0x00FF0007, manufacturer="Intel")
dev("UEFI\\RES_{16D2B4A6-1C33-4A7E-9E2D-7E0C7E0A1E5B}\\0", "Firmware", "System Firmware",
    ["UEFI\\RES_{16D2B4A6-1C33-4A7E-9E2D-7E0C7E0A1E5B}&REV_B1C", "UEFI\\RES_{16D2B4A6-1C33-4A7E-9E2D-7E0C7E0A1E5B}"],
    inf="c_firmware.inf", rank=0x00FF0001, manufacturer="ASUSTeK COMPUTER INC.")
iid, ids = acpi("MSFT0101", "1")
dev(iid, "SecurityDevices", "Trusted Platform Module 2.0", ids, inf="tpm.inf", rank=0x00FF0001)
for instance, name, hwid, inf in [
        ("ROOT\\BasicDisplay\\0000", "Microsoft Basic Display Driver", "ROOT\\BasicDisplay",
         "display.inf"),
        ("ROOT\\BasicRender\\0000", "Microsoft Basic Render Driver", "ROOT\\BasicRender",
         "basicrender.inf"),
        ("ROOT\\CompositeBus\\0000", "Composite Bus Enumerator", "ROOT\\CompositeBus",
         "compositebus.inf"),
        ("ROOT\\SYSTEM\\0000", "Plug and Play Software Device Enumerator", "ROOT\\SWENUM",
         "swenum.inf"),
        ("ROOT\\UMBUS\\0000", "UMBus Root Bus Enumerator", "root\\umbus", "umbus.inf"),
        ("ROOT\\RDPBUS\\0000", "Remote Desktop Device Redirector Bus", "ROOT\\RDPBUS",
         "rdpbus.inf"),
        ("ROOT\\volmgr\\0000", "Volume Manager", "ROOT\\VOLMGR", "volmgr.inf"),
        ("ROOT\\NdisVirtualBus\\0000", "NDIS Virtual Network Adapter Enumerator",
         "ROOT\\NdisVirtualBus", "ndisvirtualbus.inf")]:
    dev(instance, "System", name, [hwid], inf=inf)
dev("ROOT\\spaceport\\0000", "SCSIAdapter", "Microsoft Storage Spaces Controller",
    ["Root\\Spaceport"], inf="spaceport.inf")
dev("ROOT\\KDNIC\\0000", "Net", "Microsoft Kernel Debug Network Adapter", ["root\\kdnic"],
    inf="kdnic.inf")
for miniport, name, inf in [
        ("MS_NDISWANIP", "WAN Miniport (IP)", "netrasa.inf"),
        ("MS_NDISWANIPV6", "WAN Miniport (IPv6)", "netrasa.inf"),
        ("MS_NDISWANBH", "WAN Miniport (Network Monitor)", "netrasa.inf"),
        ("MS_PPPOEMINIPORT", "WAN Miniport (PPPOE)", "netrasa.inf"),
        ("MS_PPTPMINIPORT", "WAN Miniport (PPTP)", "netrasa.inf"),
        ("MS_L2TPMINIPORT", "WAN Miniport (L2TP)", "netrasa.inf"),
        ("MS_SSTPMINIPORT", "WAN Miniport (SSTP)", "netsstpa.inf"),
        ("MS_AGILEVPNMINIPORT", "WAN Miniport (IKEv2)", "netavpna.inf")]:
    dev(f"SWD\\MSRRAS\\{miniport}", "Net", name, [miniport.lower()], inf=inf)
for queue, name in [("{6F2D1B6E-0B52-4A7B-9D52-4C1A5A7C7F01}", "Microsoft Print to PDF"),
                    ("{6F2D1B6E-0B52-4A7B-9D52-4C1A5A7C7F02}", "Microsoft XPS Document Writer"),
                    ("{6F2D1B6E-0B52-4A7B-9D52-4C1A5A7C7F03}", "Fax")]:
    dev(f"SWD\\PRINTENUM\\{queue}", "PrintQueue", name, ["PRINTENUM\\LocalPrintQueue"],
        compat=["PRINTENUM\\PrintQueue"], inf="printqueue.inf", rank=0x00FF2000)

# PCI functions of the Z390 chipset and the cards in its slots.
CHIPSET = ("8086", "86941043")
for dev_id, rev, cc, name, cls, inf, rank, tail in [
        ("3E30", "0D", "060000", "Intel(R) Xeon(R) E3 - 1200/1500 v5/6th Gen Intel(R) Core(TM) Host Bridge/DRAM Registers - 3E30",
         "System", oem["CoffeeLakeSystem.inf"], 0x00FF0002, ROOT_TAIL + "00"),
        ("1901", "0D", "060400", "Intel(R) Xeon(R) E3 - 1200/1500 v5/6th Gen Intel(R) Core(TM) PCIe Controller (x16) - 1901",
         "System", oem["CoffeeLakeSystem.inf"], 0x00FF0002, ROOT_TAIL + "08"),
        ("1911", "00", "088000", "Intel(R) Xeon(R) E3 - 1200/1500 v5/6th Gen Intel(R) Core(TM) Gaussian Mixture Model - 1911",
         "System", oem["CoffeeLakeGauss.inf"], 0x00FF0002, ROOT_TAIL + "40"),
        ("A379", "10", "118000", "Intel(R) Cannon Lake PCH Thermal Controller - A379",
         "System", oem["CannonLakePCH-HSystemThermal.inf"], 0x00FF0002, ROOT_TAIL + "90"),
        ("A36D", "10", "0C0330", "Intel(R) USB 3.1 eXtensible Host Controller - 1.10 (Microsoft)",
         "USB", "usbxhci.inf", 0x00FF2005, ROOT_TAIL + "A0"),
        ("A36F", "10", "050000", "Intel(R) Cannon Lake PCH Shared SRAM - A36F",
         "System", oem["CannonLakePCH-HSystem.inf"], 0x00FF0002, ROOT_TAIL + "A2"),
        ("A360", "10", "078000", "Intel(R) Management Engine Interface",
         "System", oem["heci.inf"], 0x00FF0002, ROOT_TAIL + "B0"),
        ("A352", "10", "010601", "Standard SATA AHCI Controller",
         "hdc", "storahci.inf", 0x00FF2005, ROOT_TAIL + "B8"),
        ("A340", "F0", "060400", "Intel(R) PCI Express Root Port #9 - A340",
         "System", oem["CannonLakePCH-HSystem.inf"], 0x00FF0002, ROOT_TAIL + "E0"),
        ("A338", "F0", "060400", "Intel(R) PCI Express Root Port #21 - A338",
         "System", oem["CannonLakePCH-HSystem.inf"], 0x00FF0002, ROOT_TAIL + "D8"),
        ("A33C", "F0", "060400", "Intel(R) PCI Express Root Port #13 - A33C",
         "System", oem["CannonLakePCH-HSystem.inf"], 0x00FF0002, ROOT_TAIL + "DC"),
        ("A330", "F0", "060400", "Intel(R) PCI Express Root Port #1 - A330",
         "System", "pci.inf", 0x00FF2006, ROOT_TAIL + "E8"),
        ("A305", "10", "060100", "Intel(R) Z390 Chipset LPC/eSPI Controller - A305",
         "System", oem["CannonLakePCH-HSystem.inf"], 0x00FF0002, ROOT_TAIL + "F8"),
        ("A348", "10", "040300", "High Definition Audio Controller",
         "MEDIA", "hdaudbus.inf", 0x00FF2005, ROOT_TAIL + "FB"),
        ("A323", "10", "0C0500", "Intel(R) Cannon Lake PCH SMBUS - A323",
         "System", oem["CannonLakePCH-HSystem.inf"], 0x00FF0002, ROOT_TAIL + "FC"),
        ("A324", "10", "0C8000", "Intel(R) Cannon Lake PCH SPI (flash) Controller - A324",
         "System", oem["CannonLakePCH-HSystem.inf"], 0x00FF0002, ROOT_TAIL + "FD"),
]:
    iid, hwids, compat = pci("8086", dev_id, CHIPSET[1], rev, cc, tail)
    dev(iid, cls, name, hwids, compat, inf=inf, rank=rank, manufacturer="Intel")

iid, hwids, compat = pci("8086", "A370", "00348086", "10", "028000", ROOT_TAIL + "A3")
wifi = dev(iid, "Net", "Intel(R) Wireless-AC 9560 160MHz", hwids, compat,
           inf=oem["Netwtw08.INF"], rank=0x00FF0000, manufacturer="Intel Corporation")
iid, hwids, compat = pci("8086", "15BC", "86721043", "10", "020000", ROOT_TAIL + "FE")
ethernet = dev(iid, "Net", "Intel(R) Ethernet Connection (7) I219-V", hwids, compat,
               inf=oem["e1d68x64.inf"], rank=0x00FF0001, manufacturer="Intel")
iid, hwids, compat = pci("10DE", "1E87", "86811043", "A1", "030000", "4&2A8C3B4F&0&0008")
gpu = dev(iid, "Display", "NVIDIA GeForce RTX 2080", hwids, compat, inf=oem["nv_dispi.inf"],
          rank=0x00FF0000, manufacturer="NVIDIA")
iid, hwids, compat = pci("10DE", "10F8", "86811043", "A1", "040300", "4&2A8C3B4F&0&0108")
dev(iid, "MEDIA", "High Definition Audio Controller", hwids, compat, inf="hdaudbus.inf",
    rank=0x00FF2005, manufacturer="Microsoft")
iid, hwids, compat = pci("10DE", "1AD8", "86811043", "A1", "0C0330", "4&2A8C3B4F&0&0208")
dev(iid, "USB", "USB xHCI Compliant Host Controller", hwids, compat, inf="usbxhci.inf",
    rank=0x00FF2005, manufacturer="Generic USB xHCI Host Controller")
iid, hwids, compat = pci("10DE", "1AD9", "86811043", "A1", "0C8000", "4&2A8C3B4F&0&0308")
dev(iid, "USB", "NVIDIA USB Type-C Port Policy Controller", hwids, compat,
    inf=oem["nvppc.inf"], rank=0x00FF0001, manufacturer="NVIDIA")
iid, hwids, compat = pci("144D", "A808", "A801144D", "00", "010802", "4&1B7C5A3E&0&00E8")
dev(iid, "SCSIAdapter", "Standard NVM Express Controller", hwids, compat, inf="stornvme.inf",
    rank=0x00FF2005, manufacturer="Standard NVM Express Controller")
iid, hwids, compat = pci("8086", "3E98", CHIPSET[1], "02", "030000", ROOT_TAIL + "10")
dev(iid, "Display", "Intel(R) UHD Graphics 630", hwids, compat, inf=oem["igdlh64.inf"],
    rank=0x00FF0000, manufacturer="Intel Corporation", present=False)

# Audio functions and endpoints.
dev("HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220&SUBSYS_10438694&REV_1000\\4&39A4AB9C&0&0001", "MEDIA",
    "Realtek High Definition Audio",
    ["HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220&SUBSYS_10438694&REV_1000",
     "HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220&SUBSYS_10438694"],
    ["HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220&REV_1000", "HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220",
     "HDAUDIO\\FUNC_01&VEN_10EC", "HDAUDIO\\FUNC_01"],
    inf=oem["HDXASUSSA.inf"], rank=0x00FF0001, manufacturer="Realtek")
dev("HDAUDIO\\FUNC_01&VEN_10DE&DEV_0040&SUBSYS_10438681&REV_1001\\5&1A2B3C4D&0&0001", "MEDIA",
    "NVIDIA High Definition Audio",
    ["HDAUDIO\\FUNC_01&VEN_10DE&DEV_0040&SUBSYS_10438681&REV_1001",
     "HDAUDIO\\FUNC_01&VEN_10DE&DEV_0040&SUBSYS_10438681"],
    ["HDAUDIO\\FUNC_01&VEN_10DE&DEV_0040&REV_1001", "HDAUDIO\\FUNC_01&VEN_10DE&DEV_0040",
     "HDAUDIO\\FUNC_01&VEN_10DE", "HDAUDIO\\FUNC_01"],
    inf=oem["nvhda.inf"], rank=0x00FF2001, manufacturer="NVIDIA")
dev("SWC\\VEN_10EC&AID_0001\\0000", "SoftwareComponent", "Realtek Audio Effects Component",
    ["SWC\\VEN_10EC&AID_0001&SUBSYS_10438694", "SWC\\VEN_10EC&AID_0001"],
    inf=oem["RealtekAPO.inf"], rank=0x00FF0001, manufacturer="Realtek")
for n, name in enumerate(["Speakers (Realtek(R) Audio)", "Realtek Digital Output (Realtek(R) Audio)",
                          "Microphone (Realtek(R) Audio)", "Line In (Realtek(R) Audio)",
                          "DELL U2719D (NVIDIA High Definition Audio)"]):
    dev(f"SWD\\MMDEVAPI\\{{0.0.{n // 2}.00000000}}.{{5E8D2A6C-7B9C-4A1D-A3F1-0C2B7D9E1F{n:02X}}}",
        "AudioEndpoint", name, ["MMDEVAPI\\AudioEndpoints"], inf="audioendpoint.inf")

# USB: root hubs, hubs, receiver, webcam, Bluetooth.
for vid, pid, rev, tail in [("8086", "A36D", "0010", "4&3A1B2C3D&0&0"),
                            ("10DE", "1AD8", "00A1", "4&2C3D4E5F&0&0")]:
    dev(f"USB\\ROOT_HUB30\\{tail}", "USB", "USB Root Hub (USB 3.0)",
        [f"USB\\ROOT_HUB30&VID{vid}&PID{pid}&REV{rev}", f"USB\\ROOT_HUB30&VID{vid}&PID{pid}",
         "USB\\ROOT_HUB30"], inf="usbhub3.inf", rank=0x00FF0002, manufacturer="(Standard USB HUBs)")


def usb(vid, pid, rev, serial, cls, name, inf, compat_class, rank, present=True, mi=None,
        manufacturer=None):
    base = f"USB\\VID_{vid}&PID_{pid}" + (f"&MI_{mi}" if mi else "")
    hwids = [f"USB\\VID_{vid}&PID_{pid}&REV_{rev}" + (f"&MI_{mi}" if mi else ""), base]
    c, s, p = compat_class
    prefix = "USB\\Class" if mi else "USB\\Class"
    compat = [f"{prefix}_{c}&SubClass_{s}&Prot_{p}", f"{prefix}_{c}&SubClass_{s}", f"{prefix}_{c}"]
    if c == "00" and not mi:
        compat = ["USB\\DevClass_00&SubClass_00&Prot_00", "USB\\DevClass_00&SubClass_00",
                  "USB\\DevClass_00", "USB\\COMPOSITE"]
    return dev(f"{base}\\{serial}", cls, name, hwids, compat, inf=inf, rank=rank, present=present,
               manufacturer=manufacturer)


usb("05E3", "0610", "9226", "5&1E2F3A4B&0&11", "USB", "Generic USB Hub", "usbhub3.inf",
    ("09", "00", "02"), 0x00FF2002, manufacturer="(Generic USB Hub)")
DEVICES[-1]["compatibleIds"] = ["USB\\USB20_HUB", "USB\\Class_09&SubClass_00&Prot_02",
                                "USB\\Class_09&SubClass_00", "USB\\Class_09"]
DEVICES[-1]["driver"]["rank"] = 0x00FF2000
DEVICES[-1]["driver"]["matchingId"] = "USB\\USB20_HUB"
usb("05E3", "0626", "9226", "5&1E2F3A4B&0&21", "USB", "Generic SuperSpeed USB Hub",
    "usbhub3.inf", ("09", "00", "03"), 0x00FF2000, manufacturer="(Generic USB Hub)")
DEVICES[-1]["compatibleIds"] = ["USB\\USB30_HUB", "USB\\Class_09&SubClass_00&Prot_03",
                                "USB\\Class_09&SubClass_00", "USB\\Class_09"]
DEVICES[-1]["driver"]["matchingId"] = "USB\\USB30_HUB"
usb("046D", "C52B", "1211", "5&2B3C4D5E&0&3", "USB", "USB Composite Device", "usb.inf",
    ("00", "00", "00"), 0x00FF2003, manufacturer="(Standard USB Host Controller)")
for mi, sub, prot in [("00", "01", "01"), ("01", "01", "02"), ("02", "00", "00")]:
    usb("046D", "C52B", "1211", f"6&3C4D5E6F&0&00{mi}", "HIDClass", "USB Input Device",
        "input.inf", ("03", sub, prot), 0x00FF2002, mi=mi, manufacturer="(Standard system devices)")
HID = "HID\\VID_046D&PID_C52B"
dev(f"{HID}&MI_00\\7&1A2B3C4D&0&0000", "Keyboard", "HID Keyboard Device",
    [f"{HID}&REV_1211&MI_00", f"{HID}&MI_00", "HID\\VID_046D&UP:0001_U:0006",
     "HID_DEVICE_SYSTEM_KEYBOARD", "HID_DEVICE_UP:0001_U:0006", "HID_DEVICE"],
    inf="keyboard.inf", rank=0x00FF0003, manufacturer="(Standard keyboards)")
dev(f"{HID}&MI_01&COL01\\7&2B3C4D5E&0&0000", "Mouse", "HID-compliant mouse",
    [f"{HID}&REV_1211&MI_01&Col01", f"{HID}&MI_01&Col01", "HID\\VID_046D&UP:0001_U:0002",
     "HID_DEVICE_SYSTEM_MOUSE", "HID_DEVICE_UP:0001_U:0002", "HID_DEVICE"],
    inf="msmouse.inf", rank=0x00FF0003, manufacturer="Microsoft")
for col, name, page, inf, rank in [
        ("02", "HID-compliant consumer control device", "000C_U:0001", "hidserv.inf", 0x00FF0004),
        ("03", "HID-compliant system controller", "0001_U:0080", "input.inf", 0x00FF0004),
        ("04", "HID-compliant vendor-defined device", "FF00_U:0001", "input.inf", 0x00FF0005)]:
    dev(f"{HID}&MI_01&COL{col}\\7&2B3C4D5E&0&000{int(col) - 1}", "HIDClass", name,
        [f"{HID}&REV_1211&MI_01&Col{col}", f"{HID}&MI_01&Col{col}", f"HID\\VID_046D&UP:{page}",
         f"HID_DEVICE_UP:{page}", "HID_DEVICE"] if col != "04" else
        [f"{HID}&REV_1211&MI_01&Col{col}", f"{HID}&MI_01&Col{col}", f"HID\\VID_046D&UP:{page}",
         f"HID_DEVICE_UP:{page}", "HID_DEVICE_VENDOR_DEFINED", "HID_DEVICE"],
        inf=inf, rank=rank, manufacturer="Microsoft")
usb("0B05", "1872", "0100", "9876543210", "HIDClass", "USB Input Device", "input.inf",
    ("03", "00", "00"), 0x00FF2002, manufacturer="(Standard system devices)")
usb("046D", "085B", "0016", "8F3C2A1D", "USB", "USB Composite Device", "usb.inf",
    ("00", "00", "00"), 0x00FF2003, manufacturer="(Standard USB Host Controller)")
DEVICES[-1]["compatibleIds"] = ["USB\\DevClass_EF&SubClass_02&Prot_01",
                                "USB\\DevClass_EF&SubClass_02", "USB\\DevClass_EF",
                                "USB\\COMPOSITE"]
usb("046D", "085B", "0016", "6&4D5E6F70&0&0000", "Camera", "Logitech Webcam C925e",
    "usbvideo.inf", ("0E", "03", "00"), 0x00FF2002, mi="00", manufacturer="Microsoft")
usb("046D", "085B", "0016", "6&4D5E6F70&0&0002", "MEDIA", "USB Audio Device",
    "wdma_usb.inf", ("01", "01", "00"), 0x00FF2002, mi="02", manufacturer="(Generic USB Audio)")
usb("8087", "0AAA", "0002", "5&2F3A4B5C&0&14", "Bluetooth", "Intel(R) Wireless Bluetooth(R)",
    oem["ibtusb.inf"], ("E0", "01", "01"), 0x00FF0001, manufacturer="Intel Corporation")
for instance, name, hwid, cls, inf in [
        ("BTH\\MS_BTHBRB\\7&2A1B3C4D&0&1", "Microsoft Bluetooth Enumerator", "BTH\\MS_BTHBRB",
         "Bluetooth", "bth.inf"),
        ("BTH\\MS_BTHLE\\7&2A1B3C4D&0&2", "Microsoft Bluetooth LE Enumerator", "BTH\\MS_BTHLE",
         "Bluetooth", "bthleenum.inf"),
        ("BTH\\MS_RFCOMM\\7&2A1B3C4D&0&0", "Bluetooth Device (RFCOMM Protocol TDI)",
         "BTH\\MS_RFCOMM", "Bluetooth", "bth.inf"),
        ("BTH\\MS_BTHPAN\\7&2A1B3C4D&0&2", "Bluetooth Device (Personal Area Network)",
         "BTH\\MS_BTHPAN", "Net", "bthpan.inf")]:
    dev(instance, cls, name, [hwid], inf=inf, manufacturer="Microsoft")
dev("BTHENUM\\{0000111E-0000-1000-8000-00805F9B34FB}_VID&0001054C_PID&0CD3\\8&1F2E3D4C&0&38188B0A1C2D_C00000000",
    "Bluetooth", "WH-1000XM3 Hands-Free AG",
    ["BTHENUM\\{0000111e-0000-1000-8000-00805f9b34fb}_VID&0001054c_PID&0cd3",
     "BTHENUM\\{0000111e-0000-1000-8000-00805f9b34fb}_LOCALMFG&0002"],
    ["BTHENUM\\{0000111e-0000-1000-8000-00805f9b34fb}"], inf="bth.inf", rank=0x00FF2000,
    present=False, manufacturer="Microsoft")
dev("BTHLE\\DEV_D41A2B3C4D5E\\8&2A3B4C5D&0&D41A2B3C4D5E", "Bluetooth", "MX Master 3",
    ["BTHLE\\DEV_D41A2B3C4D5E"], ["BTHLE\\GENERIC"], inf="bthleenum.inf", rank=0x00FF2000,
    present=False, manufacturer="Microsoft")
dev("BTHLEDEVICE\\{00001812-0000-1000-8000-00805F9B34FB}_DEV_VID&02046D_PID&B023_REV&0011_D41A2B3C4D5E\\9&1A2B3C4D&0&0023",
    "HIDClass", "Bluetooth Low Energy GATT compliant HID device",
    ["BTHLEDevice\\{00001812-0000-1000-8000-00805f9b34fb}_Dev_VID&02046d_PID&b023_REV&0011",
     "BTHLEDevice\\{00001812-0000-1000-8000-00805f9b34fb}"], ["BTHLEDevice\\GENERIC"],
    inf="hidbth.inf", rank=0x00FF0001, present=False, manufacturer="Microsoft")

# Storage.
usb("0781", "5581", "0100", "4C530001230512115482", "USB", "USB Mass Storage Device",
    "usbstor.inf", ("08", "06", "50"), 0x00FF2000, present=False, manufacturer="Compatible USB storage device")
dev("USBSTOR\\DISK&VEN_SANDISK&PROD_ULTRA&REV_1.00\\4C530001230512115482&0", "DiskDrive",
    "SanDisk Ultra USB Device",
    ["USBSTOR\\DiskSanDisk_Ultra___________1.00", "USBSTOR\\DiskSanDisk_Ultra___________",
     "USBSTOR\\DiskSanDisk_", "USBSTOR\\SanDisk_Ultra___________1", "SanDisk_Ultra___________1",
     "USBSTOR\\GenDisk", "GenDisk"], ["USBSTOR\\Disk", "USBSTOR\\RAW", "GenDisk"],
    inf="disk.inf", rank=0x00FF0006, present=False, manufacturer="(Standard disk drives)")
dev("SCSI\\DISK&VEN_NVME&PROD_SAMSUNG_SSD_970\\5&2D7C8A3B&0&000000", "DiskDrive",
    "Samsung SSD 970 EVO Plus 1TB",
    ["SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q", "SCSI\\DiskNVMe____Samsung_SSD_970_",
     "SCSI\\DiskNVMe____", "SCSI\\NVMe____Samsung_SSD_970_2", "NVMe____Samsung_SSD_970_2",
     "GenDisk"], ["SCSI\\Disk", "SCSI\\RAW"], inf="disk.inf", rank=0x00FF0005,
    manufacturer="(Standard disk drives)")
dev("SCSI\\DISK&VEN_&PROD_ST2000DM008-2FR1\\4&2F1E3D4C&0&010000", "DiskDrive",
    "ST2000DM008-2FR102",
    ["SCSI\\Disk_______ST2000DM008-2FR10001", "SCSI\\Disk_______ST2000DM008-2FR1",
     "SCSI\\Disk_______", "SCSI\\_______ST2000DM008-2FR10", "_______ST2000DM008-2FR10",
     "GenDisk"], ["SCSI\\Disk", "SCSI\\RAW"], inf="disk.inf", rank=0x00FF0005,
    manufacturer="(Standard disk drives)")
for offset in ["0000000000100000", "0000000006500000", "000000001F400000"]:
    dev(f"STORAGE\\VOLUME\\{{8D3A2C1B-0F4E-11EB-9A7C-806E6F6E6963}}#{offset}", "Volume",
        "Volume", ["STORAGE\\Volume"], inf="volume.inf", manufacturer="Microsoft")

# Monitors, ports and the odd ones out.
for instance, model in [("DISPLAY\\DELA0F2\\5&3A1B2C3D&0&UID4353", "DELA0F2"),
                        ("DISPLAY\\GSM5B7F\\5&3A1B2C3D&0&UID4354", "GSM5B7F")]:
    dev(instance, "Monitor", "Generic PnP Monitor", [f"MONITOR\\{model}"], ["*PNP09FF"],
        inf="monitor.inf", rank=0x00FF2000, manufacturer="(Standard monitor types)")
dev("DISPLAY\\SAM0B45\\5&1C2D3E4F&0&UID4352", "Monitor", "Generic PnP Monitor",
    ["MONITOR\\SAM0B45"], ["*PNP09FF"], inf="monitor.inf", rank=0x00FF2000, present=False,
    manufacturer="(Standard monitor types)")
iid, ids = acpi("PNP0501", "0")
dev(iid, "Ports", "Communications Port (COM1)", ids, inf="msports.inf", rank=0x00FF0001,
    manufacturer="(Standard port types)")
iid, ids = acpi("PNP0303", "4&1d401fb5&0")
dev(iid, "Keyboard", "Standard PS/2 Keyboard", ids, inf="keyboard.inf", rank=0x00FF0001,
    present=False, manufacturer="(Standard keyboards)")
dev("ACPI\\INT3F0D\\4&1D401FB5&0", "", "", ["ACPI\\INT3F0D", "*INT3F0D"], ["*PNP0C02"],
    problem=28, description="")
dev("USB\\VID_0000&PID_0002\\5&2F3A4B5C&0&9", "USB",
    "Unknown USB Device (Device Descriptor Request Failed)", ["USB\\DEVICE_DESCRIPTOR_FAILURE"],
    inf="usb.inf", problem=43, manufacturer="(Standard USB Host Controller)")

for device in (gpu, ethernet, wifi):
    old = PREVIOUS[device["driver"]["infName"]]
    info = DRIVERS[old]
    previous = dict(device["driver"], infName=old, version=info["version"], date=info["date"])
    device["previousDrivers"].append(previous)

# WMI, as Win32 answers it on this board.
WMI = {
    "Win32_SystemEnclosure": [{"ChassisTypes": [3], "Manufacturer": "Default string"}],
    "Win32_Processor": [{
        "Architecture": 9, "Availability": 3, "Caption": "Intel64 Family 6 Model 158 Stepping 13",
        "CpuStatus": 1, "Description": "Intel64 Family 6 Model 158 Stepping 13", "Family": 198,
        "L2CacheSize": 2048, "L3CacheSize": 12288, "Manufacturer": "GenuineIntel",
        "Name": CPU_NAME, "NumberOfCores": 8, "NumberOfLogicalProcessors": 8, "ProcessorType": 3,
        "Revision": 40461, "SocketDesignation": "LGA1151", "UpgradeMethod": 1, "Status": "OK",
        "StatusInfo": 3, "UniqueId": None, "ProcessorId": "BFEBFBFF000906ED"}],
    "Win32_BaseBoard": [{
        "Model": None, "Manufacturer": "ASUSTeK COMPUTER INC.", "Name": "Base Board",
        "SerialNumber": "190474752601234", "Product": "PRIME Z390-A", "Version": "Rev 1.xx",
        "Status": "OK"}],
    "Win32_BIOS": [{
        "Manufacturer": "American Megatrends Inc.", "SMBIOSBIOSVersion": "2808", "Name": "2808",
        "SerialNumber": "System Serial Number", "Version": "ALASKA - 1072009",
        "BuildNumber": None}],
    "Win32_DiskDrive": [
        {"Caption": "Samsung SSD 970 EVO Plus 1TB", "DeviceID": "\\\\.\\PHYSICALDRIVE0",
         "FirmwareRevision": "2B2QEXM7", "InterfaceType": "SCSI",
         "Manufacturer": "(Standard disk drives)", "MediaType": "Fixed hard disk media",
         "Model": "Samsung SSD 970 EVO Plus 1TB", "Name": "\\\\.\\PHYSICALDRIVE0",
         "PNPDeviceID": "SCSI\\DISK&VEN_NVME&PROD_SAMSUNG_SSD_970\\5&2D7C8A3B&0&000000",
         "Status": "OK"},
        {"Caption": "ST2000DM008-2FR102", "DeviceID": "\\\\.\\PHYSICALDRIVE1",
         "FirmwareRevision": "0001", "InterfaceType": "IDE",
         "Manufacturer": "(Standard disk drives)", "MediaType": "Fixed hard disk media",
         "Model": "ST2000DM008-2FR102", "Name": "\\\\.\\PHYSICALDRIVE1",
         "PNPDeviceID": "SCSI\\DISK&VEN_&PROD_ST2000DM008-2FR1\\4&2F1E3D4C&0&010000",
         "Status": "OK"}],
    "Win32_DesktopMonitor": [
        {"Availability": 3, "Caption": "Generic PnP Monitor", "Description": "Generic PnP Monitor",
         "MonitorType": "Generic PnP Monitor", "Name": "Generic PnP Monitor",
         "PNPDeviceID": "DISPLAY\\DELA0F2\\5&3A1B2C3D&0&UID4353", "Status": "OK"},
        {"Availability": 3, "Caption": "Generic PnP Monitor", "Description": "Generic PnP Monitor",
         "MonitorType": "Generic PnP Monitor", "Name": "Generic PnP Monitor",
         "PNPDeviceID": "DISPLAY\\GSM5B7F\\5&3A1B2C3D&0&UID4354", "Status": "OK"}],
    "Win32_PhysicalMemory": [{"Capacity": "8589934592", "BankLabel": "BANK 1"},
                             {"Capacity": "8589934592", "BankLabel": "BANK 3"}],
}

OS = {"major": 10, "minor": 0, "platformId": 2, "productType": 1, "suiteMask": 256,
      "build": 19045, "productInfo": 48, "processorArchitecture": 9, "serverR2": 0,
      "is64": True}


def inf_text(inf, info, cls, models):
    month_day_year = "{1}/{2}/{0}".format(*info["date"].split("-"))
    provider = info["provider"]
    section = "Models.NTamd64"
    lines = [
        f"; {info['original']}",
        f"; Copyright (c) {info['date'][:4]} {provider}",
        "",
        "[Version]",
        'Signature="$WINDOWS NT$"',
        f"Class={cls}",
        f"ClassGuid={GUIDS.get(cls, GUIDS['System'])}",
        "Provider=%ProviderName%",
        f"DriverVer={month_day_year},{info['version']}",
        f"CatalogFile={info['original'].rsplit('.', 1)[0]}.cat",
        "PnpLockdown=1",
        "",
        "[Manufacturer]",
        f"%ProviderName%=Models,NTamd64",
        "",
        f"[{section}]",
    ]
    seen = set()
    for n, (description, matching) in enumerate(models):
        if matching in seen:
            continue
        seen.add(matching)
        lines.append(f"%Device{n}.DeviceDesc%=Install, {matching}")
    lines += ["", "[Install.NT]", "CopyFiles=Install.CopyFiles", "", "[Install.CopyFiles]"]
    lines += [f for f in info["files"] if f.endswith(".sys")]
    lines += ["", "[Install.NT.Services]",
              f"AddService={info['files'][0].rsplit('.', 1)[0]},0x00000002,Service", "",
              "[Service]", "ServiceType=1", "StartType=3", "ErrorControl=1",
              f"ServiceBinary=%13%\\{info['files'][0]}", "", "[SourceDisksNames]",
              "1=%DiskName%", "", "[SourceDisksFiles]"]
    lines += [f"{f}=1" for f in info["files"]]
    lines += ["", "[DestinationDirs]", "DefaultDestDir=13", "", "[Strings]",
              f'ProviderName="{provider}"', 'DiskName="Driver installation disk"']
    seen = set()
    for n, (description, matching) in enumerate(models):
        if matching in seen:
            continue
        seen.add(matching)
        lines.append(f'Device{n}.DeviceDesc="{description}"')
    return "\r\n".join(lines) + "\r\n"


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "machines", "sample-pc")
    if os.path.exists(out):
        shutil.rmtree(out)
    inf_dir = os.path.join(out, "Windows", "INF")
    store = os.path.join(out, "Windows", "System32", "DriverStore", "FileRepository")
    os.makedirs(inf_dir)
    os.makedirs(store)

    used = {}
    for device in DEVICES:
        for record in ([device["driver"]] if device["driver"] else []) + device["previousDrivers"]:
            used.setdefault(record["infName"], []).append(
                (record["description"], record["matchingId"], device["className"] or "System"))

    for inf, models in sorted(used.items()):
        info = DRIVERS[inf]
        text = inf_text(inf, info, models[0][2], [(d, m) for d, m, _ in models])
        digest = hashlib.sha1((info["original"] + info["version"]).encode()).hexdigest()[:16]
        folder = os.path.join(store, f"{info['original'].lower()}_amd64_{digest}")
        os.makedirs(folder)
        with open(os.path.join(folder, info["original"]), "w", newline="") as f:
            f.write(text)
        with open(os.path.join(inf_dir, inf), "w", newline="") as f:
            f.write(text)
        stem = info["original"].rsplit(".", 1)[0]
        with open(os.path.join(folder, stem + ".cat"), "w") as f:
            f.write(f"Stand-in for the signed catalog of {info['original']} {info['version']}.\n")
        for name in info["files"]:
            with open(os.path.join(folder, name), "w") as f:
                f.write(f"Stand-in for {name} from {info['original']} {info['version']} "
                        f"({info['provider']}).\n")

    classes = sorted({d["className"] for d in DEVICES if d["className"]})
    model = {
        "os": OS,
        "wmi": WMI,
        "classes": [{"guid": GUIDS[c], "name": c, "lowerLogoVersion": LOGO.get(c, "")}
                    for c in classes],
        "devices": DEVICES,
    }
    with open(os.path.join(out, "machine.json"), "w") as f:
        json.dump(model, f, indent=2)
        f.write("\n")
    present = sum(1 for d in DEVICES if d["present"])
    print(f"{len(DEVICES)} devices ({present} present), {len(used)} driver packages -> {out}")


if __name__ == "__main__":
    main()

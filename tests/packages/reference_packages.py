#!/usr/bin/python3
"""An independent reader and writer of rule packages, built only on the
standard zipfile module and DES from pycryptodome.

  reference_packages.py write DIR   writes sample packages and what an import must yield
  reference_packages.py read DIR    checks every package in DIR against its .members folder
  reference_packages.py maker DIR   checks every package in DIR against the boxes in its .fields file,
                                    as the rules maker must have packed them
"""
import io
import os
import shutil
import struct
import sys
import zipfile

from Cryptodome.Cipher import DES

PACKAGE_KEY = b"b8d47e20c9a1f6354e7b02d9ca816f3e"
DEFAULT_SCRIPT_KEY = b"e2a9c4f71b0d83654fa2e7c90d16b58a"
MEMBER_NAMES = ["Check.zcc", "Edit.zcc", "Main.zcc", "Member.zcc"]


def des_key(key_text):
    folded = bytearray(8)
    for i, b in enumerate(key_text.split(b"\0")[0]):
        folded[i % 8] ^= b
    return bytes(int(f"{b:08b}"[::-1], 2) for b in folded)


def seal(data, key_text):
    if not data:
        return b""
    body = struct.pack("<i", len(data)) + data
    body += b"\0" * (-len(body) % 8)
    return DES.new(des_key(key_text), DES.MODE_ECB).encrypt(body)


def unseal(data, key_text):
    if not data or len(data) % 8:
        return b""
    plain = DES.new(des_key(key_text), DES.MODE_ECB).decrypt(data)
    length = struct.unpack("<i", plain[:4])[0]
    if length <= 0 or 4 + length > len(plain) or len(plain) - (4 + length) >= 8:
        return b""
    return plain[4:4 + length]


def member_text(name, rule_type, locked):
    lines = [b"[Basic]", b"Name=" + name, b"Author=Python", b"Version=2", b"ProgramName=App",
             b"ProcessName=app.exe", b"Type=" + rule_type, b"SpecVer=0",
             b"LockLoad=" + (b"True" if locked else b"False"), b"LockEdit=False"]
    return b"\r\n".join(lines) + b"\r\n"


# file name, rule name (GBK), script, password ("" = unlocked), ZIP method
SAMPLES = [
    ("PyPlain", b"PyPlain", b"RMF %Temp%\\py.log\r\nECHO plain", b"", zipfile.ZIP_DEFLATED),
    ("PyStored", b"PyStored", b"RMR %Temp%\\py", b"", zipfile.ZIP_STORED),
    ("PyLocked", b"PyLocked", b"RML %Temp%|*.tmp", b"py secret", zipfile.ZIP_DEFLATED),
    ("PyGbk", "Py规则".encode("gbk"), "ECHO 中文\r\nRMF C:\\x.txt".encode("gbk"), b"", zipfile.ZIP_DEFLATED),
]


def write(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for file_name, name, script, password, method in SAMPLES:
        members = {
            "Check.zcc": b"True",
            "Edit.zcc": seal(b"True-" + name, DEFAULT_SCRIPT_KEY),
            "Main.zcc": seal(script, password or DEFAULT_SCRIPT_KEY),
            "Member.zcc": member_text(name, b"Program", bool(password)),
        }
        archive = io.BytesIO()
        with zipfile.ZipFile(archive, "w", method) as z:
            for member in MEMBER_NAMES:
                z.writestr(member, members[member])
        with open(os.path.join(folder, file_name + ".zcp"), "wb") as f:
            f.write(seal(archive.getvalue(), PACKAGE_KEY))
        expect = os.path.join(folder, file_name + ".expect")
        os.makedirs(expect)
        for expected_name, content in [("Member.zcc", members["Member.zcc"]), ("Main.zcc", members["Main.zcc"]),
                                       ("name.txt", name), ("script.txt", script), ("password.txt", password)]:
            with open(os.path.join(expect, expected_name), "wb") as f:
                f.write(content)


def read(folder):
    failures = []
    packages = sorted(p for p in os.listdir(folder) if p.endswith(".zcp"))
    if not packages:
        failures.append("no packages in " + folder)
    for package in packages:
        with open(os.path.join(folder, package), "rb") as f:
            archive = unseal(f.read(), PACKAGE_KEY)
        if not archive:
            failures.append(package + ": does not unseal under the package key")
            continue
        expected_folder = os.path.join(folder, package[:-4] + ".members")
        expected = {}
        for member in os.listdir(expected_folder):
            with open(os.path.join(expected_folder, member), "rb") as f:
                expected[member] = f.read()
        with zipfile.ZipFile(io.BytesIO(archive)) as z:
            if z.comment:
                failures.append(package + ": archive has a comment")
            names = [info.filename for info in z.infolist()]
            if sorted(names) != sorted(expected):
                failures.append(f"{package}: members {names}, expected {sorted(expected)}")
            for info in z.infolist():
                if info.is_dir() or info.compress_type != zipfile.ZIP_DEFLATED:
                    failures.append(f"{package}: {info.filename} is not a deflated file")
                elif z.read(info) != expected.get(info.filename):
                    failures.append(f"{package}: {info.filename} differs")
    for failure in failures:
        print(failure)
    print(f"checked {len(packages)} packages, {len(failures)} failures")
    return 1 if failures else 0


FIELD_KEYS = ["name", "author", "version", "specVer", "programName", "processName", "encryptionId",
              "obfuscationId", "script"]


def maker_members(fields):
    """The four members the rules maker writes for the given box texts."""
    name, encryption, obfuscation = fields["name"], fields["encryptionId"], fields["obfuscationId"]
    member = [b"[Basic]", b"Name=" + name, b"Author=" + fields["author"], b"Version=" + fields["version"],
              b"ProgramName=" + fields["programName"], b"ProcessName=" + fields["processName"], b"Type=Program",
              b"SpecVer=" + (fields["specVer"] or b"0"), b"LockLoad=" + (b"True" if encryption else b"False"),
              b"LockEdit=" + (b"True" if obfuscation else b"False")]
    edit = seal(encryption, obfuscation) if obfuscation else seal(b"True-" + name, DEFAULT_SCRIPT_KEY)
    return {"Member.zcc": b"\r\n".join(member) + b"\r\n",
            "Main.zcc": seal(fields["script"], encryption or DEFAULT_SCRIPT_KEY),
            "Edit.zcc": edit,
            "Check.zcc": b"True"}


def check_maker(folder):
    """Each X.fields holds one line key=hex(value) per box; X.zcp is what the maker exported."""
    failures = []
    field_files = sorted(p for p in os.listdir(folder) if p.endswith(".fields"))
    if not field_files:
        failures.append("no exported packages in " + folder)
    for field_file in field_files:
        with open(os.path.join(folder, field_file), "rb") as f:
            fields = dict(line.split(b"=", 1) for line in f.read().split(b"\n") if line)
        fields = {key.decode(): bytes.fromhex(value.decode()) for key, value in fields.items()}
        package = os.path.join(folder, field_file[:-len(".fields")] + ".zcp")
        with open(package, "rb") as f:
            archive = unseal(f.read(), PACKAGE_KEY)
        expected = maker_members(fields)
        with zipfile.ZipFile(io.BytesIO(archive)) as z:
            names = [info.filename for info in z.infolist()]
            if sorted(names) != sorted(expected):
                failures.append(f"{package}: members {names}")
            for info in z.infolist():
                if info.compress_type != zipfile.ZIP_DEFLATED:
                    failures.append(f"{package}: {info.filename} is not deflated")
                if z.read(info) != expected.get(info.filename):
                    failures.append(f"{package}: {info.filename} differs")
    for failure in failures:
        print(failure)
    print(f"checked {len(field_files)} exported packages, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    commands = {"write": lambda folder: write(folder) or 0, "read": read, "maker": check_maker}
    if len(sys.argv) != 3 or sys.argv[1] not in commands:
        sys.exit(__doc__)
    sys.exit(commands[sys.argv[1]](sys.argv[2]))

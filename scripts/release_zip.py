#!/usr/bin/env python3
# release_zip.py ZIP NAME=FILE...: writes ZIP with each FILE under NAME, in
# the order given, so that the same files always give the same bytes: one
# date for every entry (SOURCE_DATE_EPOCH, as UTC), fixed permissions, no
# extra fields. Text files (.txt, and LICENSE) get Windows line ends.
import os, sys, time, zipfile

EPOCH_1980 = 315532800  # the earliest time a zip entry can carry


def main():
    if len(sys.argv) < 3:
        sys.exit('usage: release_zip.py ZIP NAME=FILE...')
    seconds = max(int(os.environ.get('SOURCE_DATE_EPOCH', EPOCH_1980)), EPOCH_1980)
    date = time.gmtime(seconds)[:6]
    with zipfile.ZipFile(sys.argv[1], 'w') as archive:
        for entry in sys.argv[2:]:
            name, _, path = entry.partition('=')
            with open(path, 'rb') as source:
                data = source.read()
            if name.endswith('.txt') or name == 'LICENSE':
                data = data.replace(b'\r\n', b'\n').replace(b'\n', b'\r\n')
            info = zipfile.ZipInfo(name, date)
            info.create_system = 3  # Unix, so that the permissions below apply
            info.external_attr = 0o100644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)


main()

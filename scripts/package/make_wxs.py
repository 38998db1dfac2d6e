#!/usr/bin/env python3
"""Writes the installer's WiX source for a program folder:
make_wxs.py FOLDER VERSION COMMIT RENAMES > product.wxs (wixl then runs in FOLDER)

A per-user package into %LOCALAPPDATA%\\Programs\\PDF Vivevav\\ with a
Start-menu shortcut. Every code is derived, never random, so the same commit
gives the same installer: the upgrade code is fixed for all versions, the
product code follows the version (a newer one replaces an older in place),
the package code follows the commit, and each component's code follows its
file's path (the same file keeps its component across versions).

wixl writes a name outside ASCII as an empty string, so such a file is named
by its identifier here, and RENAMES gets the SQL that gives it its name once
the installer's code page is set (msibuild).
"""
import os
import sys
import uuid
from xml.sax.saxutils import quoteattr

UPGRADE_CODE = uuid.UUID("6f1b7c52-3d0e-4a8e-9a41-5c2e8f0d7b93")
NAME = "PDF Vivevav"
MANUFACTURER = "Rudedode"
# The shortcut's component needs a per-user key path of its own; the
# program's settings (Software\Rudedode\Vivevav) stay the user's.
INSTALL_KEY = r"Software\Rudedode\PDF Vivevav Installer"


def guid(kind, text):
    return "{%s}" % str(uuid.uuid5(UPGRADE_CODE, kind + ":" + text)).upper()


class Ids:
    """Short identifiers (MSI keys are limited), numbered in walking order."""

    def __init__(self):
        self.count = 0

    def next(self, prefix):
        self.count += 1
        return "%s%04d" % (prefix, self.count)


def directory(folder, rel, ids, components, lines, renames, depth):
    pad = "  " * depth
    entries = sorted(os.listdir(os.path.join(folder, rel)))
    files = [e for e in entries if os.path.isfile(os.path.join(folder, rel, e))]
    subdirs = [e for e in entries if os.path.isdir(os.path.join(folder, rel, e))]
    for i, name in enumerate(files):
        path = os.path.join(rel, name).replace(os.sep, "\\")
        cid, fid = ids.next("c"), ids.next("f")
        components.append(cid)
        stored = name
        if not name.isascii():
            assert "'" not in name
            renames.append("UPDATE `File` SET `FileName` = '%s' WHERE `File` = '%s'" % (name, fid))
            stored = fid
        lines.append('%s<Component Id="%s" Guid="%s">' % (pad, cid, guid("file", path)))
        lines.append('%s  <File Id="%s" Name=%s Source=%s KeyPath="yes"/>'
                     % (pad, fid, quoteattr(stored), quoteattr(os.path.join(rel, name))))
        if i == 0:  # the folder goes with its files on uninstall
            lines.append('%s  <RemoveFolder Id="%s" On="uninstall"/>' % (pad, ids.next("r")))
        lines.append("%s</Component>" % pad)
    for name in subdirs:
        assert name.isascii()
        lines.append('%s<Directory Id="%s" Name=%s>' % (pad, ids.next("d"), quoteattr(name)))
        directory(folder, os.path.join(rel, name), ids, components, lines, renames, depth + 1)
        lines.append("%s</Directory>" % pad)


def main(folder, version, commit, renames_path):
    ids, components, body, renames = Ids(), [], [], []
    directory(folder, "", ids, components, body, renames, 5)
    with open(renames_path, "w", encoding="utf-8") as out:
        out.write("".join(r + "\n" for r in renames))
    print('<?xml version="1.0" encoding="utf-8"?>')
    print('<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">')
    print('  <Product Id="%s" Name="%s" Language="1041" Codepage="932" Version="%s" Manufacturer="%s" UpgradeCode="{%s}">'
          % (guid("product", version), NAME, version, MANUFACTURER, str(UPGRADE_CODE).upper()))
    print('    <Package Id="%s" InstallerVersion="500" Compressed="yes" InstallScope="perUser"'
          ' Languages="1041" Description="%s %s" Manufacturer="%s"/>'
          % (guid("package", commit), NAME, version, MANUFACTURER))
    print('    <MajorUpgrade DowngradeErrorMessage="A newer version of %s is already installed."/>' % NAME)
    print('    <Media Id="1" Cabinet="program.cab" EmbedCab="yes"/>')
    print('    <Property Id="ARPNOMODIFY" Value="1"/>')
    print('    <Directory Id="TARGETDIR" Name="SourceDir">')
    print('      <Directory Id="LocalAppDataFolder">')
    print('        <Directory Id="ProgramsFolder" Name="Programs">')
    print('          <Directory Id="INSTALLDIR" Name="%s">' % NAME)
    print("\n".join(body))
    print("          </Directory>")
    print("        </Directory>")
    print("      </Directory>")
    print('      <Directory Id="ProgramMenuFolder">')
    print('        <Component Id="StartMenuShortcut" Guid="%s">' % guid("shortcut", NAME))
    print('          <Shortcut Id="ProgramShortcut" Name="%s" Target="[INSTALLDIR]Vivevav.exe"'
          ' WorkingDirectory="INSTALLDIR"/>' % NAME)
    print('          <RegistryValue Root="HKCU" Key="%s" Name="Shortcut" Type="integer" Value="1" KeyPath="yes"/>'
          % INSTALL_KEY)
    print("        </Component>")
    print("      </Directory>")
    print("    </Directory>")
    print('    <Feature Id="Program" Level="1">')
    for cid in components + ["StartMenuShortcut"]:
        print('      <ComponentRef Id="%s"/>' % cid)
    print("    </Feature>")
    print("  </Product>")
    print("</Wix>")


if __name__ == "__main__":
    main(*sys.argv[1:])

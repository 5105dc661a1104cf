#!/usr/bin/env python3
"""The registry-script generator: what a script writes, and what it refuses."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "installer"))
import rgs_to_wix  # noqa: E402

SCRIPT = """
HKCU
{
    NoRemove Software
    {
        Thing = s 'It''s [one]'
        {
            Mask = d '0x1F'
            Count = d '07'
            Hash = s '#tag'
        }
        NoRemove Kept
        {
            ForceRemove {1-2} = s 'x'
            {
                Empty
                Server = s '%MODULE%'
                {
                    val Model = s 'Apartment'
                }
            }
        }
    }
}
"""


class WritesWhatTheScriptSays(unittest.TestCase):
    def test_flat_list(self):
        self.assertEqual(rgs_to_wix.flat_lines(rgs_to_wix.parse(SCRIPT)), [
            "HKCU\\Software\\Thing||REG_SZ|It's [one]",
            "HKCU\\Software\\Thing\\Mask||REG_DWORD|31",
            "HKCU\\Software\\Thing\\Count||REG_DWORD|7",
            "HKCU\\Software\\Thing\\Hash||REG_SZ|#tag",
            "HKCU\\Software\\Kept\\{1-2}||REG_SZ|x",
            "HKCU\\Software\\Kept\\{1-2}\\Empty||KEY|",
            "HKCU\\Software\\Kept\\{1-2}\\Server||REG_SZ|%MODULE%",
            "HKCU\\Software\\Kept\\{1-2}\\Server|Model|REG_SZ|Apartment",
        ])

    def test_package_rows(self):
        rows = [line.strip() for line in rgs_to_wix.wxi_lines(rgs_to_wix.parse(SCRIPT), "m.dll")
                if line.strip().startswith("<RegistryValue")]
        cases = [
            # outermost key of ours: removed with its tree at uninstall
            'Key="Software\\Thing" Name="*" Type="string" Value=""',
            # brackets are literal, not properties
            'Key="Software\\Thing" Type="string" Value="It\'s [\\[]one[\\]]"',
            'Key="Software\\Thing\\Mask" Type="integer" Value="31"',
            'Key="Software\\Thing\\Count" Type="integer" Value="7"',
            # a leading # would make the text a number
            'Key="Software\\Thing\\Hash" Type="string" Value="##tag"',
            'Key="Software\\Kept\\{1-2}" Name="*" Type="string" Value=""',
            'Key="Software\\Kept\\{1-2}" Type="string" Value="x"',
            'Key="Software\\Kept\\{1-2}\\Empty" Name="*" Type="string" Value=""',
            'Key="Software\\Kept\\{1-2}\\Server" Type="string" Value="[#m.dll]" KeyPath="yes"',
            'Key="Software\\Kept\\{1-2}\\Server" Name="Model" Type="string" Value="Apartment"',
        ]
        self.assertEqual(rows, ['<RegistryValue Root="HKCU" %s/>' % case for case in cases])


class RefusesWhatThePackageCannotHonour(unittest.TestCase):
    def test_refusals(self):
        cases = [
            ("HKLM { A = s '%MODULE%' }", "per user only"),
            ("HKCR { A = s '%MODULE%' }", "per user only"),
            ("HKCU { A = s '%MODULE%' ", "not closed"),
            ("HKCU { A = s 'open }", "quoted text is not closed"),
            ("HKCU { A = b '00' B = s '%MODULE%' }", "type 'b'"),
            ("HKCU { Delete A B = s '%MODULE%' }", "'Delete'"),
            ("HKCU { A = s '%APPID%' }", "unknown replacement"),
            ("HKCU { A = d '4294967296' B = s '%MODULE%' }", "does not fit"),
            ("HKCU { A = d 'x' }", "not a number"),
            ("HKCU { A = s 'no module' }", "no key path"),
            ("HKCU { = s 'x' }", "key name expected"),
            ("HKCU { NoRemove A = s '%MODULE%' }", "NoRemove key"),
            ("HKCU { A = s 'a|b' B = s '%MODULE%' }", "'|'"),
        ]
        for script, message in cases:
            with self.subTest(script=script):
                with self.assertRaises(rgs_to_wix.ScriptError) as caught:
                    rgs_to_wix.wxi_lines(rgs_to_wix.parse(script), "m.dll")
                self.assertIn(message, str(caught.exception))


if __name__ == "__main__":
    unittest.main()

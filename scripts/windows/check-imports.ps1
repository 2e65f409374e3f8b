# The Visual Studio build's counterpart of scripts/check-executable.sh: the
# program is an image for its architecture and imports nothing but the
# system's own DLLs (with the static runtime, /MT, no redistributable). Prints
# one line; fails, saying why, otherwise.
#   usage: check-imports.ps1 x86|x64 PROGRAM.exe
param(
  [Parameter(Mandatory)][ValidateSet('x86', 'x64')][string]$Arch,
  [Parameter(Mandatory)][string]$Program
)
$ErrorActionPreference = 'Stop'
$vswhere = Join-Path ${env:ProgramFiles(x86)} 'Microsoft Visual Studio\Installer\vswhere.exe'
$dumpbin = & $vswhere -latest -products * -find 'VC\Tools\MSVC\**\bin\Hostx64\x64\dumpbin.exe' |
  Select-Object -First 1
if (-not $dumpbin) { throw "dumpbin.exe not found through vswhere: is Visual Studio's C++ installed?" }
if (-not (Test-Path $Program)) { throw "${Program}: no such file" }

$machine = @{ x86 = 'machine (x86)'; x64 = 'machine (x64)' }[$Arch]
$headers = & $dumpbin /nologo /headers $Program
if (-not ($headers | Select-String -SimpleMatch $machine)) {
  throw "${Program}: not an $Arch image ($(($headers | Select-String 'machine \(') -join ' '))"
}
# The DLL names stand alone, indented, under "Image has the following dependencies".
$imports = & $dumpbin /nologo /dependents $Program |
  Where-Object { $_ -match '^\s+(\S+\.dll)\s*$' } | ForEach-Object { $Matches[1].ToUpperInvariant() }
$system = 'ADVAPI32.DLL', 'COMCTL32.DLL', 'GDI32.DLL', 'KERNEL32.DLL', 'MSVCRT.DLL', 'USER32.DLL'
if ($imports -notcontains 'KERNEL32.DLL') {
  throw "${Program}: no imports read from dumpbin /dependents (every program imports KERNEL32.DLL)"
}
$foreign = $imports | Where-Object { $_ -notin $system }
if ($foreign) {
  throw "${Program}: imports $($foreign -join ' '), not system DLLs (imports: $($imports -join ' '))"
}
Write-Output "${Program}: $Arch image, $((Get-Item $Program).Length) bytes, imports $($imports -join ' ')"

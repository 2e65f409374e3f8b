# The end-to-end tests drive real windows with real input: they need a signed-in
# user's desktop. A service's session (0), where a runner may have been
# installed, has none: say so and stop, before anything is built.
$session = (Get-Process -Id $PID).SessionId
if ($session -eq 0 -or -not [Environment]::UserInteractive) {
  Write-Error ("This runner is not in an interactive session (session $session): " +
    "the tests need a desktop. Run the runner in a signed-in user's session, not as a service.")
  exit 1
}
Write-Output "interactive session $session"

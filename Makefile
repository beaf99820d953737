# Velnor. On a fresh Debian 12 machine:
#   make run    builds velnor.exe and starts it under Wine (screenshots without a display)
#   make test   builds everything and runs every test
#   make        builds build/win/velnor.exe alone
#   make release  builds build/velnor-<version>.zip (executable and read-me)
#   make faults   fault and bad-input runs and the check of what it writes (slow), into docs/robustness.md
#   make bench    start-up, idle cost, tick, memory, size and clock against Task Manager, into docs/performance.md
#   make soak     10,000 ticks, 5,000 painting ticks, 200 page switches and 50 clock measurements per mode, into docs/performance.md
# Each target installs what it needs first (as root; otherwise it prints the command).
# On a host that runs no 32-bit programs (or with VELNOR_TESTBED=x86-64), run, test,
# faults, bench and soak use an x86-64 test build under 64-bit Wine instead; see the README.

MODE ?= win98
# The locale Wine runs the program in: Japanese (code page 932) unless given
# as language_TERRITORY.CHARMAP, e.g. LOCALE=en_US.UTF-8 or de_DE.UTF-8, for a
# Windows of another language (English texts); build/locale gets it compiled.
LOCALE ?=

.PHONY: all exe run test faults bench soak release clean

all: exe

exe:
	@scripts/setup.sh build
	@scripts/build-exe.sh

run:
	@scripts/setup.sh run
	@scripts/build-exe.sh
	@scripts/run.sh $(MODE) $(LOCALE)

test:
	@scripts/setup.sh test
	@scripts/test.sh

faults:
	@scripts/setup.sh run
	@scripts/build-exe.sh
	@scripts/faults.sh

bench soak:
	@scripts/setup.sh run
	@scripts/build-exe.sh
	@scripts/bench.sh $@

release:
	@scripts/setup.sh build
	@scripts/release.sh

clean:
	rm -rf build

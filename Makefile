# make run   installs what is missing, builds and starts Morlin
# make test  the same set-up, then builds and runs every test

BUILD      := build
BUILD_CORE := build-core
BUILD_FUZZ := build-fuzz
BUILD_ASAN := build-asan
JOBS       := $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
PACOTES    := cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev \
              qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libchm-dev fp-utils \
              fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n \
              xvfb openbox pkgconf libxcb1-dev libxcb-xtest0-dev
CTEST      := ctest --no-tests=error --output-on-failure -j$(JOBS)

.PHONY: run test deps build build-core build-fuzz build-asan

deps:
	@faltam=""; \
	for p in $(PACOTES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || faltam="$$faltam $$p"; \
	done; \
	if [ -n "$$faltam" ]; then \
	  echo "Instalando:$$faltam"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $$faltam; \
	fi

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS)

# The core again, with Qt never looked for: proves that it needs none.
build-core: deps
	cmake -S . -B $(BUILD_CORE) -DMORLIN_CORE_ONLY=ON
	cmake --build $(BUILD_CORE) -j$(JOBS)

# The fuzz targets, with clang's libFuzzer and sanitizers; their tests run each one for
# a minute over its seed corpus.
build-fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DMORLIN_FUZZ=ON
	cmake --build $(BUILD_FUZZ) -j$(JOBS)

# The program and every test again under the address, leak and undefined-behaviour
# sanitizers: a memory error, a leak or undefined behaviour fails the test that met it.
# The generated pictures, help file and shared data are copied from the normal build.
build-asan: build
	cmake -S . -B $(BUILD_ASAN) -DMORLIN_SANITIZE=ON -DMORLIN_DADOS_GERADOS=$(CURDIR)/$(BUILD)
	cmake --build $(BUILD_ASAN) -j$(JOBS)

run: build
	$(BUILD)/bin/morlin

test: build build-core build-fuzz build-asan
	$(CTEST) --test-dir $(BUILD)
	$(CTEST) --test-dir $(BUILD_CORE)
	$(CTEST) --test-dir $(BUILD_ASAN)
	$(CTEST) --test-dir $(BUILD_FUZZ)

# Quick start: `make run` builds and starts the program, `make test` builds
# and runs every test. Both install the Debian packages they need first.

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
PLAN_FUZZ_SECONDS ?= 20
# Warnings are errors where WERROR=ON (CI sets it).
WERROR     ?= OFF
APP        := $(BUILD)/app/quillmere-loan-calculator
CONFIGURE  := -DQUILLMERE_WERROR=$(WERROR)

.PHONY: all deps build run test test-sanitize fuzz lint format bench clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIGURE)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(APP)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ctest --output-on-failure -j$(JOBS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUILLMERE_SANITIZE=ON -DQUILLMERE_BENCHMARKS=OFF $(CONFIGURE)
	cmake --build $(SAN_BUILD) -j$(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} \
	  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

# The libFuzzer target over the three input boxes, for FUZZ_SECONDS, then
# the ones over the boxes of a plan of extra payments and of a loan offer
# and over the loan file reader, each for PLAN_FUZZ_SECONDS,
# with every library they run instrumented.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUILLMERE_FUZZ=ON -DBUILD_TESTING=OFF $(CONFIGURE)
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_loan_inputs fuzz_plan_texts fuzz_offer_texts fuzz_loan_file
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/plan_corpus $(FUZZ_BUILD)/offer_corpus $(FUZZ_BUILD)/loan_file_corpus
	$(FUZZ_BUILD)/fuzz/fuzz_loan_inputs -max_total_time=$(FUZZ_SECONDS) -max_len=64 \
	  $(FUZZ_BUILD)/corpus fuzz/seeds
	$(FUZZ_BUILD)/fuzz/fuzz_plan_texts -max_total_time=$(PLAN_FUZZ_SECONDS) -max_len=128 \
	  $(FUZZ_BUILD)/plan_corpus fuzz/plan_seeds
	$(FUZZ_BUILD)/fuzz/fuzz_offer_texts -max_total_time=$(PLAN_FUZZ_SECONDS) -max_len=128 \
	  $(FUZZ_BUILD)/offer_corpus fuzz/offer_seeds
	$(FUZZ_BUILD)/fuzz/fuzz_loan_file -max_total_time=$(PLAN_FUZZ_SECONDS) -max_len=4096 \
	  $(FUZZ_BUILD)/loan_file_corpus fuzz/loan_seeds

# clang-format, clang-tidy and cppcheck over the project's sources.
lint: build
	sh scripts/lint.sh $(BUILD)

# Formats every source in place with clang-format (.clang-format).
format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

bench: build
	for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)

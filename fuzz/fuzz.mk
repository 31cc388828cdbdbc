# Builds the libFuzzer harnesses fuzz/*_fuzz.cpp against the core sources, with the address
# and undefined-behaviour sanitizers. Used by fuzz/run; OUT is the build folder.
OUT ?= build-fuzz
CXX := clang++-14
FLAGS := -std=c++20 -O1 -g -fno-omit-frame-pointer -Isrc \
         -fsanitize=address,undefined -fno-sanitize-recover=undefined

# The libraries the core links (zip container, XML, workbook writer).
LIBS := $(shell pkg-config --libs libzip pugixml xlsxwriter)

CORE_SRCS := $(shell find src/core -name '*.cpp')
CORE_OBJS := $(patsubst src/%.cpp,$(OUT)/obj/%.o,$(CORE_SRCS))
HARNESSES := $(patsubst fuzz/%.cpp,$(OUT)/bin/%,$(wildcard fuzz/*_fuzz.cpp))

all: $(HARNESSES)

$(OUT)/obj/%.o: src/%.cpp
	@mkdir -p $(dir $@)
	$(CXX) $(FLAGS) -fsanitize=fuzzer-no-link -MMD -MP -c $< -o $@

$(OUT)/libcore.a: $(CORE_OBJS)
	@rm -f $@
	ar rcs $@ $^

$(OUT)/bin/%: fuzz/%.cpp $(OUT)/libcore.a
	@mkdir -p $(dir $@)
	$(CXX) $(FLAGS) -fsanitize=fuzzer -MMD -MP -MF $@.d $< $(OUT)/libcore.a $(LIBS) -o $@

-include $(CORE_OBJS:.o=.d) $(HARNESSES:=.d)

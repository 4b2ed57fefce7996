#!/usr/bin/env python3
"""Writes a quiz file of N pairs (default 10,000), each with an explanation line, for timing the
quiz check: python3 bench/quiz/make_quiz.py OUT.toml [N]"""
import sys

out, n = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 10000
with open(out, "w", encoding="utf-8") as f:
    f.write('id = "big"\ncaption = "Голям тест"\ninstructions = "Свържете двойките."\n')
    f.write('extra_meanings = ["примамка 1", "примамка 2", "примамка 3"]\n')
    for i in range(n):
        f.write(f'\n[[pair]]\nexpression = "израз {i:05d}"\nmeaning = "значение {i:05d}"\n'
                f'explanation = ["Ред за двойка {i}."]\n')

#!/usr/bin/env bash
# Seeds for xlstodb_xls_fuzz: see xlstodb_seeds.sh.
exec "$(dirname "$0")/xlstodb_seeds.sh" xls "$1"

#!/usr/bin/env python3
"""Drives the remote's page in a real headless Chromium, as the operator's phone would: pairs with the
six-digit code, gives points, starts a race, waits for the scores, and saves.

Usage: remote_browser.py ADDRESS CODE PROFILE_DIR [SCREENSHOT_DIR]
A CODE starting with "#" is the QR code's part of the address instead: the page pairs by itself.
Every wait is bounded; the script exits non-zero on the first thing that does not happen."""
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

address, code, profile = sys.argv[1:4]
shots = sys.argv[4] if len(sys.argv) > 4 else None

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--window-size=390,844", f"--user-data-dir={profile}"):
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
driver.set_page_load_timeout(20)
wait = WebDriverWait(driver, 20, poll_frequency=0.05)


def step(text):
    print("--", text, flush=True)


def text_of(element_id):
    return driver.find_element(By.ID, element_id).text


def shot(name):
    if shots:
        driver.save_screenshot(f"{shots}/{name}.png")


try:
    if code.startswith("#"):
        step("pair with the QR code's address: no typing, and the secret leaves the address bar")
        driver.get(address + code)
        wait.until(lambda d: d.find_element(By.ID, "board").is_displayed())
        wait.until(lambda d: [e.text for e in d.find_elements(By.CSS_SELECTOR, "#teams li .score")] ==
                   ["0", "510", "112"])
        assert "#" not in driver.current_url, driver.current_url
        step("done")
        sys.exit(0)

    step("open the page")
    driver.get(address)
    wait.until(lambda d: d.find_element(By.ID, "pairing").is_displayed())
    shot("phone-pairing")

    step("a wrong code is refused in Korean")
    wrong = "000000" if code != "000000" else "111111"
    driver.find_element(By.ID, "code").send_keys(wrong)
    driver.find_element(By.ID, "pair").click()
    wait.until(lambda d: "틀리면" in text_of("message"))

    step("pair with the code")
    box = driver.find_element(By.ID, "code")
    box.clear()
    box.send_keys(code)
    driver.find_element(By.ID, "pair").click()
    wait.until(lambda d: d.find_element(By.ID, "board").is_displayed())
    wait.until(lambda d: len(d.find_elements(By.CSS_SELECTOR, "#teams li")) == 3)
    wait.until(lambda d: text_of("status") == "연결됨")

    step("give points")
    rows = driver.find_elements(By.CSS_SELECTOR, "#teams li")
    rows[1].find_element(By.TAG_NAME, "input").send_keys("30")
    rows[1].find_element(By.CSS_SELECTOR, "button.add").click()
    wait.until(lambda d: d.find_elements(By.CSS_SELECTOR, "#teams li .pending")[1].text == "+30")
    rows[2].find_element(By.TAG_NAME, "input").send_keys("abc")
    rows[2].find_element(By.CSS_SELECTOR, "button.add").click()
    wait.until(lambda d: "숫자가 아닙니다" in text_of("message"))
    rows[2].find_element(By.TAG_NAME, "input").clear()
    rows[2].find_element(By.TAG_NAME, "input").send_keys("12.5")
    rows[2].find_element(By.CSS_SELECTOR, "button.add").click()
    wait.until(lambda d: d.find_elements(By.CSS_SELECTOR, "#teams li .pending")[2].text == "+12")
    wait.until(lambda d: "최대점수 610" in text_of("max"))
    shot("phone-board")

    step("start the race: the page shows it and its buttons wait")
    driver.find_element(By.ID, "start").click()
    wait.until(lambda d: "경주 중" in text_of("status"))
    assert not driver.find_element(By.ID, "start").is_enabled(), "start must wait during the race"
    shot("phone-racing")
    wait.until(lambda d: text_of("status") == "연결됨")
    scores = [e.text for e in driver.find_elements(By.CSS_SELECTOR, "#teams li .score")]
    assert scores == ["0", "510", "112"], scores

    step("save")
    driver.find_element(By.ID, "save").click()
    wait.until(lambda d: "저장했습니다" in text_of("message"))
    shot("phone-saved")
    step("done")
finally:
    driver.quit()
